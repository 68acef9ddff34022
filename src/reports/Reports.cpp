#include "reports/Reports.h"

// The report writers come with their own work; until then these write nothing.
void Reports::H_Current() {}
void Reports::H_AIS(const QByteArray &) {}
void Reports::H_ABS(const QByteArray &) {}
void Reports::H_Calls(const QByteArray &) {}
void Reports::H_Puts(const QByteArray &) {}
void Reports::H_IT(const QByteArray &) {}
void Reports::H_EC(const QByteArray &) {}
void Reports::H_ER(const QByteArray &) {}
void Reports::H_EH(const QByteArray &) {}
void Reports::H_EG(const QByteArray &) {}
void Reports::H_QR(const QByteArray &) {}
void Reports::H_SI(const QByteArray &) {}
void Reports::Export(int16_t) {}
