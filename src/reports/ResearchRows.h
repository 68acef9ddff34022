#pragma once
// The broker research pages of a stock as summary section bodies: splits
// ("_sp.Sh"), upgrades and downgrades ("_uph.Sh", "_dnh.Sh"), the momentum
// rating ("_mr.Sh") and broker reports ("_brp.Sh"). They have no report
// page. Each body is final: a page that is missing or lacks the section's
// markers gives NoData, as each section's rule says.
#include <QByteArray>

namespace ResearchRows {

// What these sections, and the short interest, say without data.
inline const QByteArray NoData = "<FONT Size=-1>No Data Available.</FONT>";

QByteArray Splits(QByteArray page);
// Upgrades and downgrades read alike.
QByteArray RatingChanges(QByteArray page);
QByteArray Momentum(QByteArray page);
QByteArray Broker(QByteArray page);

} // namespace ResearchRows
