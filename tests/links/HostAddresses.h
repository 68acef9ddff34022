#pragma once
// Expected addresses written against the hosts table, so they follow any
// override the test store holds.
#include "core/Hosts.h"

#include <QString>

namespace tw::test {

// "{Name}" stands for "http://" and that host, "[Name]" for the host alone.
inline QString Expand(QString address)
{
    for (const QString &name : Hosts::Names()) {
        QString root = Hosts::Url(name, QStringLiteral("/"));
        root.chop(1);
        address.replace(u'{' + name + u'}', root);
        address.replace(u'[' + name + u']', Hosts::Host(name));
    }
    return address;
}

} // namespace tw::test
