#include "module/core/TextBoxLists.h"

#include "module/core/SplitText.h"

#include "platform/runtime/RuntimeError.h"

#include <QLineEdit>

#include <algorithm>

namespace brisance {

std::string JoinTextBoxes(const std::vector<QLineEdit*>& txtBoxes)
{
    std::string joined;
    bool first = true;
    for (const QLineEdit* box : txtBoxes) {
        if (!box)
            continue;
        if (!first)
            joined += ',';
        joined += box->text().toStdString();
        first = false;
    }
    return joined;
}

void FillTextBoxes(const std::vector<QLineEdit*>& txtBoxes, const std::string& strText)
{
    const std::vector<std::string> pieces = SplitText(strText, ',');
    const std::size_t filled = std::min(pieces.size(), txtBoxes.size());
    for (std::size_t i = 0; i < filled; ++i) {
        if (!txtBoxes[i])
            platform::runtime::raise(platform::runtime::errors::ControlArrayElementMissing,
                                     "Control array element '" + std::to_string(i) + "' doesn't exist");
        txtBoxes[i]->setText(QString::fromStdString(pieces[i]));
    }
}

}  // namespace brisance
