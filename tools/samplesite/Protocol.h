#pragma once
// What the sample site shares with the tests that drive it: its start-up line,
// the request log's separator and the control requests.
//
// Start-up: once listening, the site prints "LISTENING <port>" and a line end
// on stdout, and nothing else there.
//
// Request log (--log FILE): each request, its bytes exactly as received up to
// and including the blank line that ends it, followed by RequestLogSeparator.
// Control requests are not logged.
//
// Control requests (GET, origin or absolute form), answered "OK" or 400:
//   /_ctl/fault?path=P&mode=M[&value=N][&times=K]
//       sets how the requests for P are answered. P is a path ("/Tkw58.txt",
//       matching any query), a path and query ("/q?s=ABC&d=t", percent-encoded
//       inside the control query), or "*" for every request. Modes:
//         status   answer with status N and a small page
//         bytes    the ordinary reply made exactly N bytes long: the body padded
//                  with blanks or cut, Content-Length telling its new length
//                  (when N is shorter than the headers, their first N bytes)
//         delay    wait N milliseconds, then answer as usual
//         reset    send the first N bytes of the ordinary reply (default 0),
//                  then reset the connection
//         silence  read the request and never answer, leaving the connection open
//         cut      send the first N bytes of the ordinary reply (its
//                  Content-Length unchanged), then close in order
//         garbage  send N bytes that are no HTTP reply, then close
//         drip     send the ordinary reply one byte every N milliseconds
//         noclose  send the ordinary reply and leave the connection open
//         errorpage  the ordinary reply with status N in place of 200
//         none     remove the behaviour set for P
//       K is how many requests it serves before it is dropped: 1 by default,
//       0 for every request until removed. A new fault for P replaces the old.
//   /_ctl/reply?path=P&bytes=B[&times=K]
//       answers the requests for P with exactly the bytes B (percent-encoded
//       inside the control query), then closes in order; P and K as above.
//       It takes the place of a fault set for P, and a fault for P of it.
//   /_ctl/clear
//       removes every fault and given reply.
#include <QByteArray>

namespace SampleSiteProtocol {

inline constexpr char ListeningPrefix[] = "LISTENING ";
inline constexpr char RequestLogSeparator[] = "--8<-- end of request --8<--\n";
inline constexpr char ControlPrefix[] = "/_ctl/";

} // namespace SampleSiteProtocol
