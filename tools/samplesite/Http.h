#pragma once
// A request as the sample site reads it and a reply as it writes it.
#include <QByteArray>
#include <QHash>
#include <optional>

struct Request {
    QByteArray raw;    // the bytes received, up to and including the blank line
    QByteArray method;
    QByteArray target; // as written in the request line
    QByteArray path;   // target without scheme, host and query
    QByteArray query;  // after "?", still percent-encoded
    QHash<QByteArray, QByteArray> args; // the route pattern's {name} parts

    // Parses the head of a request; false when the request line is malformed.
    bool Parse(const QByteArray &head);
    // The percent-decoded value of a query key; nullopt when missing.
    std::optional<QByteArray> FindQuery(const QByteArray &key) const;
    QByteArray Query(const QByteArray &key) const { return FindQuery(key).value_or(QByteArray()); }
    bool HasQuery(const QByteArray &key) const { return FindQuery(key).has_value(); }
    QByteArray Arg(const QByteArray &name) const { return args.value(name); }
    // "path?query", or the path alone without a query.
    QByteArray PathAndQuery() const { return query.isEmpty() ? path : path + '?' + query; }
};

struct Reply {
    int status = 200;
    QByteArray contentType = "text/html";
    QByteArray body;

    // Status line and headers with the given Content-Length text.
    QByteArray Head(const QByteArray &contentLength) const;
    QByteArray Serialize() const { return Head(QByteArray::number(body.size())) + body; }
    // The reply made exactly n bytes long (see Protocol.h, mode "bytes").
    QByteArray SerializeExactly(qint64 n) const;

    static Reply Html(const QByteArray &body) { return Reply{200, "text/html", body}; }
    static Reply Text(const QByteArray &body) { return Reply{200, "text/plain", body}; }
    static Reply Status(int status);
};
