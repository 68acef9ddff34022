#pragma once
// A date in the system's short form, as the user's own programs write it,
// but always with the four-digit year (en_US: 12/9/2026), so a date the
// program mails or stores never loses its century.
#include <QDate>
#include <QString>

QString ShortDate(QDate date);
