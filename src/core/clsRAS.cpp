#include "core/clsRAS.h"

#include "core/Misc.h"
#include "core/mdlRegistry.h"
#include "platform/Ras.h"
#include "platform/Registry.h"
#include "platform/Text.h"

QString clsRAS::QueryString(int32_t root, const QString &path, const QString &name)
{
    QString result;
    if (root == mdlRegistry::HKEY_CURRENT_USER) {
        const auto v = Registry::instance().GetValue(QStringLiteral("HKEY_CURRENT_USER\\") + path, name);
        if (v && v->type == Registry::Sz)
            result = Text::FromCp1252(v->data);
    }
    lastText_ = result;
    return result;
}

bool clsRAS::IsConnected()
{
    if (Ras::ActiveConnections() > 0) {
        connection_ = 1;
        return true;
    }
    return false;
}

bool clsRAS::HangUp()
{
    return Ras::HangUp();
}

void clsRAS::ISPCall()
{
    QString entry = QueryString(mdlRegistry::HKEY_CURRENT_USER, QStringLiteral("RemoteAccess"), QStringLiteral("Default"));
    const qsizetype nul = entry.indexOf(QChar(0));
    if (nul >= 0)
        entry.truncate(nul);
    if (!entry.isEmpty()) {
        Ras::Dial(entry);
        Misc::DoEvents();
    }
}

void clsRAS::ISPHangup()
{
    if (IsConnected())
        HangUp();
}

namespace FindDefBrowser {
int16_t ActiveConnections() { return Ras::ActiveConnections(); }
} // namespace FindDefBrowser
