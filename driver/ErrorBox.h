#pragma once
// The driver's error boxes, all titled "Port Setup Error" (text 5601): the
// set-up dialogs' boxes over their dialog, and the connect failure box with
// no owner, on top of every window and with the last error framed by ten
// blanks on each side.

#include "driver/TextTable.h"

#include <functional>
#include <string>

class QWidget;

namespace marlet {

void showSetupError(QWidget* owner, const TextTable& texts, const std::string& text);
void showConnectFailure(const TextTable& texts, const std::string& lastError);

// Runs `save`; when the registry cannot be written, says why in a set-up
// error box instead. False when saving failed.
bool saveOrTell(QWidget* owner, const TextTable& texts, const std::function<void()>& save);

}  // namespace marlet
