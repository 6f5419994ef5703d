#pragma once

#include <QLineEdit>
#include <QString>

namespace vant {

// A text box that shows a company's name and holds its code beside it. Any change of
// the text, typed or set, drops the held code to "0" (no company chosen).
class CompanyBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit CompanyBox(QWidget *parent = nullptr);

    // Empty or "0" when no company has been chosen.
    QString heldCode() const { return m_heldCode; }
    // Shows the name and then holds the code, so the code survives the change of text.
    void hold(const QString &name, const QString &code);

private:
    QString m_heldCode;
};

} // namespace vant
