#pragma once
// Misbehaviour set for paths through the control requests (Protocol.h).
#include "Http.h"

#include <QList>
#include <optional>

struct Fault {
    enum Mode { Status, Bytes, Delay, Reset, Silence, Cut, Garbage, Drip, NoClose, ErrorPage, Given };
    QByteArray path; // path, path and query, or "*"
    Mode mode = Status;
    qint64 value = 0;
    int times = 1; // 0: until removed
    QByteArray bytes; // Given: the whole reply
};

class Faults {
public:
    // Handles one control request; the reply to send back.
    Reply Control(const Request &r);
    // The fault that applies to a request, counted as used.
    std::optional<Fault> Take(const Request &r);

private:
    Reply GivenReply(const Request &r);
    QList<Fault> list_;
};
