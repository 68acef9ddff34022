#include "reports/Reports.h"

namespace {

Reports::Recorder &TheRecorder()
{
    static Reports::Recorder recorder;
    return recorder;
}

void Record(const char *call, const QByteArray &argument)
{
    if (TheRecorder())
        TheRecorder()(QString::fromLatin1(call), argument);
}

} // namespace

void Reports::SetRecorder(Recorder recorder) { TheRecorder() = std::move(recorder); }

// The report writers come with their own work; until then these write nothing.
void Reports::H_Current() { Record("H_Current", {}); }
void Reports::H_AIS(const QByteArray &s) { Record("H_AIS", s); }
void Reports::H_ABS(const QByteArray &s) { Record("H_ABS", s); }
void Reports::H_Calls(const QByteArray &s) { Record("H_Calls", s); }
void Reports::H_Puts(const QByteArray &s) { Record("H_Puts", s); }
void Reports::H_IT(const QByteArray &s) { Record("H_IT", s); }
void Reports::H_EC(const QByteArray &s) { Record("H_EC", s); }
void Reports::H_ER(const QByteArray &s) { Record("H_ER", s); }
void Reports::H_EH(const QByteArray &s) { Record("H_EH", s); }
void Reports::H_EG(const QByteArray &s) { Record("H_EG", s); }
void Reports::H_QR(const QByteArray &s) { Record("H_QR", s); }
void Reports::H_SI(const QByteArray &s) { Record("H_SI", s); }
void Reports::Export(int16_t kind) { Record("Export", QByteArray::number(kind)); }
