#pragma once

#include "model/store/DueRecord.h"

#include <QMetaType>

// Records travel in QVariants (the list model's record role) and in signals.
Q_DECLARE_METATYPE(DueRecord)
