#pragma once
// What the tests' real peers (the sample site, the mail and news servers)
// share: a child process that ends with the test, is stopped by its process
// id, listens on a free loopback port and greets when it is ready.
#include <QByteArray>
#include <QProcess>

namespace tw::test::ChildServer {

// The child gets SIGTERM when the test process goes, however that happens.
void DiesWithParent(QProcess &process);
// Asked to end first, then killed; returns once it is gone.
void Stop(QProcess &process);
// A loopback port free at this moment.
quint16 FreePort();
// A line server is ready once it greets with code; the probe then leaves
// with quit.
bool Greets(quint16 port, const QByteArray &code, const QByteArray &quit);
// After process.start: true once the server greets on port, false when it
// does not start, ends first, or is not ready within 15 s.
bool AwaitGreeting(QProcess &process, quint16 port, const QByteArray &code, const QByteArray &quit);

} // namespace tw::test::ChildServer
