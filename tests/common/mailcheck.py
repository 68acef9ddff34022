"""Reads one mail (its bytes on stdin) with Python's email package under the
strict policy and prints, as JSON, what a careful mail reader makes of it:
the headers in order, the From and To addresses, the subject, the message
id, the decoded body text, every defect the parser found, and the longest
line on the wire."""

import json
import sys
from email import _header_value_parser as hvp
from email import policy
from email.parser import BytesParser

_get_phrase = hvp.get_phrase


def _get_phrase_rfc2047(value):
    """RFC 2047 6.2: the blank between two encoded words is no part of the
    text. Python drops it in a subject but keeps it in a display name
    (CPython gh-128110), so a long name folded as several encoded words
    would read with blanks put in; this drops them there too."""
    phrase, rest = _get_phrase(value)
    for word, following in zip(phrase, phrase[1:]):
        if (len(word) >= 2 and word[-2].token_type == "encoded-word" and word[-1].token_type == "cfws"
                and all(t.token_type == "fws" for t in word[-1])
                and isinstance(following, hvp.TokenList) and len(following)
                and following[0].token_type == "encoded-word"):
            word[-1] = hvp.EWWhiteSpaceTerminal(str(word[-1]), "fws")
    return phrase, rest


hvp.get_phrase = _get_phrase_rfc2047

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
