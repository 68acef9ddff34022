#pragma once
// The dial-up connection: is one up, dial the default entry, hang up. Each
// user makes its own object and drops it after use.
#include <QString>
#include <cstdint>

class clsRAS {
public:
    bool IsConnected();
    void ISPCall();
    void ISPHangup();

private:
    QString QueryString(int32_t root, const QString &path, const QString &name);
    bool HangUp();

    int32_t connection_ = 0;
    QString lastText_;
};

namespace FindDefBrowser {
int16_t ActiveConnections();
} // namespace FindDefBrowser
