#pragma once

#include "ui/sheets/unit_sheet_context.h"

class QWidget;
class VelmorUnit;

// Opens the sheet of the record's kind (disk, tape, serial line, loader unit)
// through the context's dialog runner; true when the user confirmed it, the
// record then holding the sheet's values.
bool runUnitSheet(VelmorUnit& record, const UnitSheetContext& context, QWidget* parent);
