"""Reads one mail (its bytes on stdin) with Python's email package under the
strict policy and prints, as JSON, what a careful mail reader makes of it:
the headers in order, the From and To addresses, the subject, the message
id, the decoded body text, every defect the parser found, and the longest
line on the wire."""

import json
import sys
from email import policy
from email.parser import BytesParser

raw = sys.stdin.buffer.read()
out = {"longest": max((len(line) for line in raw.split(b"\r\n")), default=0)}
try:
    msg = BytesParser(policy=policy.strict).parsebytes(raw)
    defects = [repr(d) for d in msg.defects]
    headers = []
    for name, value in msg.items():
        defects += ["%s: %r" % (name, d) for d in getattr(value, "defects", ())]
        headers.append([name, str(value)])
    out["headers"] = headers

    def mailboxes(name):
        field = msg[name]
        return [[a.display_name, a.addr_spec] for a in field.addresses] if field is not None else []

    out["from"] = mailboxes("From")
    out["to"] = mailboxes("To")
    out["subject"] = str(msg["Subject"]) if msg["Subject"] is not None else None
    out["message_id"] = str(msg["Message-ID"]) if msg["Message-ID"] is not None else None
    out["body"] = msg.get_content().replace("\r\n", "\n")
    out["defects"] = defects
except Exception as e:  # the strict policy raises on what it cannot read
    out["error"] = repr(e)
print(json.dumps(out))
