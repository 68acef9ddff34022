#pragma once
// Shared routines of the program: the event-loop turn, the error log, page
// text routines, the online check and link opening and window effects. The
// start-up procedure, Misc::Main, lives with the windows it shows
// (shell/MiscMain.h).
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>
#include <utility>

class QWidget;
class QLabel;
class QImage;
struct VbError;

namespace Misc {

// --- event loop ---
// One turn of the event loop, as the program's long operations take after
// each file, stock or step.
void DoEvents();
// Blocking wait: the window does not repaint meanwhile.
void Sleep(int ms);
// Tests replace the blocking wait (nullptr restores it).
void SetSleepHook(std::function<void(int)> hook);

// --- error log ---
// Appends one block to ErrorLog.txt under AppFolder; when show is true and the
// user has not turned the boxes off, shows it in the "Error occur" box.
void ErrorTraping(const QString &description, float number, const QString &source, const QString &place, bool show);
void ErrorTraping(const VbError &e, const QString &place, bool show);
QString ErrorLogPath();

// --- page text routines (bytes in, bytes out) ---
QByteArray ReadFile(const QString &path);
// Each swap's first text becomes its second, of the same length, in the
// order given, inside tags only (from a "<" to the next ">") and there not in
// an attribute's value, so the words of a page and the addresses of its
// links keep their letters. FixTags is this with the tag words' swaps.
using TagSwap = std::pair<QByteArrayView, QByteArrayView>;
void ReplaceInTags(QByteArray &text, const QList<TagSwap> &swaps);
QByteArray FixTags(QByteArray &text, bool table, bool td, bool tr, bool th);
QByteArray GetTable(QByteArray &page, int16_t n);
QByteArray CleanHTML(QByteArray &text, bool brToCrLf = false, bool fixAmp = false, bool hrefMode = false);
QByteArray LowerWords(QByteArray &text, const QList<QByteArray> &words);
QByteArray FormatP(QByteArray &price, bool fourDecimals = false);
inline QByteArray FormatP(QByteArray &&price, bool fourDecimals = false) { return FormatP(price, fourDecimals); }
double ToNumber(QByteArray &value);
double ToNumber(QString &value);

// --- online check, dial-up, links ---
bool CheckOnline();
void DialISP();
// Hands a web or mail address, or a file the program wrote under AppFolder,
// to the desktop (Shell::Open tells if it fails); anything else is refused
// (false).
bool OpenAddress(const QString &address);
// The same after the online check.
void OpenLink(const QString &address);
// A fixed address the program itself holds (its stream links, "rtsp:" and
// "pnm:" among them), opened as it stands after the online check. Never for
// an address taken from a page, a cell or the user.
void OpenFixedLink(const QString &address);

// --- window effects ---
// Shrinks a window from its bottom edge in steps before its caller unloads
// it; a maximised window is left alone.
void RollWindow(QWidget *form, int16_t steps);
// Gives the window the screen under it, ANDed with the colour, as its own
// background image; the window then no longer receives paint events. Hides
// and shows the window, so call it outside the window's own paint event.
void TintForm(QWidget *form, uint32_t rgb = 0xFAFAAA /* RGB(170,250,250) as 0x00BBGGRR */);
// Every pixel ANDed with a colour given as 0x00BBGGRR.
QImage TintImage(const QImage &image, uint32_t rgb);
// Paints the label's picture over the form's background, one tile every
// label width and height; meant for the form's paint event.
void TilePicture(QWidget *form, QLabel *picture);
// Tile corners (twips) from the origin up to and including the form's size.
QList<QPoint> TileOrigins(int tileWidth, int tileHeight, int formWidth, int formHeight);

} // namespace Misc
