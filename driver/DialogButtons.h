#pragma once
// The "Ok" and "Cancel" buttons of the driver's dialogs (object names "OK"
// and "Cancel"). Cancel rejects; OK accepts, or calls `onOk` when given (a
// dialog that checks what was entered first).

#include "driver/TextTable.h"

#include <functional>

class QDialog;
class QWidget;

namespace marlet {

QWidget* okCancelButtons(QDialog& dialog, const TextTable& texts, std::function<void()> onOk = {});

}  // namespace marlet
