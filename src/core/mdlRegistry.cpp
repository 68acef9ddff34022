#include "core/mdlRegistry.h"

#include "core/Misc.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "platform/Vb.h"

namespace {

QString RootName(int32_t root)
{
    switch (uint32_t(root)) {
    case 0x80000000u: return QStringLiteral("HKEY_CLASSES_ROOT");
    case 0x80000001u: return QStringLiteral("HKEY_CURRENT_USER");
    case 0x80000002u: return QStringLiteral("HKEY_LOCAL_MACHINE");
    case 0x80000003u: return QStringLiteral("HKEY_USERS");
    default: return QString();
    }
}

QString FullPath(int32_t root, const QString &path)
{
    const QString r = RootName(root);
    if (r.isEmpty())
        return QString();
    return path.isEmpty() ? r : r + u'\\' + path;
}

mdlRegistry::KeyHandle OpenKey(int32_t root, const QString &path)
{
    mdlRegistry::KeyHandle h{root, FullPath(root, path), false};
    h.open = !h.path.isEmpty() && Registry::instance().KeyExists(h.path);
    return h;
}

} // namespace

namespace mdlRegistry {

void CreateNewKey(int32_t root, const QString &path)
{
    const QString full = FullPath(root, path);
    if (!full.isEmpty())
        Registry::instance().CreateKey(full);
}

int32_t SetValueEx(const KeyHandle &key, const QString &name, int32_t type, const RegVariant &value)
{
    try {
        if (!key.open)
            return 6; // ERROR_INVALID_HANDLE
        Registry::Value v;
        if (type == REG_SZ) {
            v = Registry::Value{Registry::Sz, Text::ToCp1252(value.ToText())};
        } else if (type == REG_DWORD) {
            const int32_t n = Vb::CLng(value.ToNumber());
            QByteArray b(4, '\0');
            for (int i = 0; i < 4; ++i)
                b[i] = char((uint32_t(n) >> (8 * i)) & 0xFF);
            v = Registry::Value{Registry::DWord, b};
        } else {
            return 0;
        }
        return Registry::instance().SetValue(key.path, name, v) ? 0 : 1;
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("mdlRegistry_SetValueEx"), false);
        return 0;
    }
}

int32_t QueryValueEx(const KeyHandle &key, const QString &name, RegVariant &value)
{
    if (!key.open)
        return -1;
    const auto v = Registry::instance().GetValue(key.path, name);
    if (!v)
        return -1;
    if (v->type == Registry::Sz) {
        value = RegVariant::FromText(Text::FromCp1252(v->data));
        return 0;
    }
    if (v->type == Registry::DWord && v->data.size() == 4) {
        const uint32_t d = uchar(v->data[0]) | uchar(v->data[1]) << 8 | uchar(v->data[2]) << 16
                           | uint32_t(uchar(v->data[3])) << 24;
        value = RegVariant::FromLong(int32_t(d));
        return 0;
    }
    return -1;
}

void SetKeyValue(int32_t root, const QString &path, const QString &name, const RegVariant &value, int32_t type)
{
    const KeyHandle h = OpenKey(root, path);
    if (h.open)
        SetValueEx(h, name, type, value);
}

void SetKeyValue(int32_t root, const QString &path, const QString &name, const QString &value, int32_t type)
{
    SetKeyValue(root, path, name, RegVariant::FromText(value), type);
}

RegVariant QueryValue(int32_t root, const QString &path, const QString &name)
{
    RegVariant v;
    QueryValueEx(OpenKey(root, path), name, v);
    return v;
}

} // namespace mdlRegistry
