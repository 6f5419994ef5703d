// The rows picked in a multi-select lookup and the value entered for each.
#include "lov_controller.h"

#include "session/session.h"
#include "session/user_prompts.h"

namespace vant {

void LovController::StoreMultiSelect(int row, int Addlist)
{
    if (row < 1 || row > rowCount())
        return;
    const QString key = rowKey(row);
    if (Addlist == 0) {
        m_marks[row - 1] = m_selection.contains(key);
        return;
    }
    if (m_finished)
        return;

    if (m_marks.at(row - 1) && m_selection.contains(key)) {
        m_selection.remove(key);
        m_marks[row - 1] = false;
        emit rowMarkChanged(row);
        refreshmrp();
        return;
    }
    const int maxSelect = m_request.MaxSelect;
    if (maxSelect > 0 && m_selection.size() >= maxSelect) {
        m_session.prompts.message(tr("Maximum selection allowed is %1").arg(maxSelect));
        return;
    }
    QString value;
    const QString head = m_request.EnterDataHead.trimmed();
    if (!head.isEmpty()) {
        // A cancelled prompt picks nothing: the row would otherwise go back without its value.
        const std::optional<QString> entered = m_session.prompts.textPrompt(tr("Enter %1").arg(head));
        if (!entered)
            return;
        value = *entered;
    }
    m_selection.add(key, value);
    m_marks[row - 1] = true;
    emit rowMarkChanged(row);
    ColSel();
    refreshmrp();
}

} // namespace vant
