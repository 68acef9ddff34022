#pragma once
// The object name of a control of a control array, as tests find it:
// the array's name, an underscore and the index ("Panel1_6", "chkUpdate_19").
#include <QString>

namespace ControlNames {

inline QString Indexed(const char *name, int i) { return QString::fromLatin1(name) + u'_' + QString::number(i); }

} // namespace ControlNames
