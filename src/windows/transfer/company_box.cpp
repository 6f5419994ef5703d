#include "company_box.h"

namespace vant {

CompanyBox::CompanyBox(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] { m_heldCode = QStringLiteral("0"); });
}

void CompanyBox::hold(const QString &name, const QString &code)
{
    setText(name);
    m_heldCode = code;
}

} // namespace vant
