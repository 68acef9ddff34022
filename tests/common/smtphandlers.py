"""Handlers the mail tests load into the aiosmtpd server with -c."""

import os

from aiosmtpd.handlers import Mailbox


class RefuseRecipient:
    """Refuses every recipient, so no mail is ever delivered."""

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        return "550 no such user"


class Keep(Mailbox):
    """aiosmtpd's maildir, and beside it ("received") each message's bytes
    exactly as they came, before the server's parser reads them."""

    def __init__(self, mail_dir):
        super().__init__(mail_dir)
        self.received = os.path.join(mail_dir, "received")
        os.makedirs(self.received, exist_ok=True)

    async def handle_DATA(self, server, session, envelope):
        name = "%06d" % len(os.listdir(self.received))
        with open(os.path.join(self.received, name + ".tmp"), "wb") as f:
            f.write(envelope.original_content)
        os.rename(os.path.join(self.received, name + ".tmp"), os.path.join(self.received, name))
        return await super().handle_DATA(server, session, envelope)
