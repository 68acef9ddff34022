"""Handlers the mail tests load into the aiosmtpd server with -c."""


class RefuseRecipient:
    """Refuses every recipient, so no mail is ever delivered."""

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        return "550 no such user"
