#pragma once
// The one way into the settings store.
#include "core/RegVariant.h"

#include <QString>
#include <cstdint>

namespace mdlRegistry {

constexpr int32_t HKEY_CURRENT_USER = int32_t(0x80000001u);
constexpr int32_t REG_SZ = 1;
constexpr int32_t REG_DWORD = 4;

// An open key: the root and the path it was opened under.
struct KeyHandle {
    int32_t root = 0;
    QString path;
    bool open = false;
};

void CreateNewKey(int32_t root, const QString &path);
void SetKeyValue(int32_t root, const QString &path, const QString &name, const RegVariant &value, int32_t type);
void SetKeyValue(int32_t root, const QString &path, const QString &name, const QString &value, int32_t type = REG_SZ);
RegVariant QueryValue(int32_t root, const QString &path, const QString &name);
int32_t SetValueEx(const KeyHandle &key, const QString &name, int32_t type, const RegVariant &value);
int32_t QueryValueEx(const KeyHandle &key, const QString &name, RegVariant &value);

} // namespace mdlRegistry
