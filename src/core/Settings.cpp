#include "core/Settings.h"

#include "core/mdlRegistry.h"

namespace Settings {

RegVariant Get(const QString &name)
{
    return mdlRegistry::QueryValue(mdlRegistry::HKEY_CURRENT_USER, KeyPath, name);
}

void Set(const QString &name, const QString &value)
{
    mdlRegistry::SetKeyValue(mdlRegistry::HKEY_CURRENT_USER, KeyPath, name, value, mdlRegistry::REG_SZ);
}

RegVariant GetGroup(const QString &name)
{
    return mdlRegistry::QueryValue(mdlRegistry::HKEY_CURRENT_USER, GroupsPath, name);
}

void SetGroup(const QString &name, const QString &value)
{
    mdlRegistry::SetKeyValue(mdlRegistry::HKEY_CURRENT_USER, GroupsPath, name, value, mdlRegistry::REG_SZ);
}

} // namespace Settings
