#include "login_window.h"

#include "login/login_engine.h"
#include "session/session.h"
#include "widgets/control_names.h"
#include "widgets/enter_key.h"
#include "widgets/widget_twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

namespace vant {

namespace {

constexpr int kClientWidth = 5970;
constexpr int kClientHeight = 5580;
constexpr int kFieldLeft = 3720;
constexpr int kFieldWidth = 1875;
constexpr int kFieldHeight = 300;
constexpr int kLabelLeft = 2040;
constexpr int kLabelWidth = 1560;
constexpr int kProductTop = 3690;
constexpr int kUserTop = 4050;
constexpr int kPasswordTop = 4350;
constexpr int kBannerTop = 900;
constexpr int kBannerHeight = 2100;

} // namespace

LoginWindow::LoginWindow(Session &session, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint),
      m_session(session), m_userNameEdit(new QLineEdit(QStringLiteral("Admin"), this)),
      m_passwordEdit(new QLineEdit(this)), m_productBox(new QComboBox(this))
{
    setObjectName(QStringLiteral("frmDB"));
    setWindowTitle(tr("Login"));

    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 128));
    colours.setColor(QPalette::Text, QColor(0, 0, 128));
    setPalette(colours);

    m_userNameEdit->setObjectName(QStringLiteral("txtUserName"));
    m_passwordEdit->setObjectName(QStringLiteral("txtPassword"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    m_productBox->setObjectName(QStringLiteral("cboProductName"));

    const QStringList captions = {tr("Product Name"), tr("Login ID"), tr("Password")};
    const QList<QWidget *> fields = {m_productBox, m_userNameEdit, m_passwordEdit};
    for (int i = 0; i < captions.size(); ++i) {
        auto *label = new QLabel(captions.at(i), this);
        label->setObjectName(QStringLiteral("lblLabels_%1").arg(i));
        nameByLabel(label, fields.at(i));
        m_captionLabels << label;
    }
    for (QWidget *field : fields)
        field->installEventFilter(this);

    // The upper part of the window carries the program's name above the fields.
    m_bannerLabel = new QLabel(tr("<div align=center><span style='font-size:20pt'>VantProcess</span>"
                                  "<br><span style='font-weight:normal'>Account Transfer &middot; "
                                  "Purge Data &middot; Accounts Posting</span></div>"),
                               this);
    m_bannerLabel->setObjectName(QStringLiteral("lblBanner"));
    m_bannerLabel->setAlignment(Qt::AlignCenter);

    setTabOrder(m_userNameEdit, m_passwordEdit);
    setTabOrder(m_passwordEdit, m_productBox);
    layOut();

    FillProductList();
    m_userNameEdit->setFocus();
}

void LoginWindow::layOut()
{
    setFixedSize(twipsToPixels(kClientWidth, this), twipsToPixels(kClientHeight, this));

    const int tops[] = {kProductTop, kUserTop, kPasswordTop};
    const QList<QWidget *> fields = {m_productBox, m_userNameEdit, m_passwordEdit};
    for (int i = 0; i < fields.size(); ++i) {
        placeInTwips(fields.at(i), kFieldLeft, tops[i], kFieldWidth, kFieldHeight);
        placeInTwips(m_captionLabels.at(i), kLabelLeft, tops[i], kLabelWidth, kFieldHeight);
    }
    placeInTwips(m_bannerLabel, 0, kBannerTop, kClientWidth, kBannerHeight);

    if (const QScreen *display = screen())
        move(display->availableGeometry().center() - rect().center());
}

void LoginWindow::FillProductList()
{
    m_productBox->clear();
    m_productBox->addItems(vant::FillProductList(m_session.prompts));
    if (m_productBox->count() > 0)
        m_productBox->setCurrentIndex(0);
}

void LoginWindow::DoLogin()
{
    const LoginEntry entry{m_productBox->currentIndex() >= 0 ? m_productBox->currentText() : QString(),
                           m_userNameEdit->text(), m_passwordEdit->text()};
    const LoginResult result = vant::DoLogin(m_session, entry);

    switch (result.focus) {
    case LoginResult::Focus::ProductName: m_productBox->setFocus(); break;
    case LoginResult::Focus::UserName: m_userNameEdit->setFocus(); break;
    case LoginResult::Focus::Password: m_passwordEdit->setFocus(); break;
    case LoginResult::Focus::Unchanged: break;
    }

    switch (result.next) {
    case LoginResult::Next::StayOpen: break;
    case LoginResult::Next::ShowMain: emit loggedIn(); break;
    case LoginResult::Next::ExitApplication: emit exitRequested(); break;
    case LoginResult::Next::EndAtOnce: emit programEnds(); break;
    }
}

bool LoginWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *field = qobject_cast<QWidget *>(watched);
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (field && fieldKeyDown(field, key))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The window's key preview; true when the key is used up here.
bool LoginWindow::fieldKeyDown(QWidget *field, int key)
{
    if (key == Qt::Key_Escape) {
        emit exitRequested();
        return true;
    }
    if (isEnterKey(key)) {
        if (field == m_userNameEdit) {
            if (!m_userNameEdit->text().trimmed().isEmpty())
                focusNextPrevChild(true);
        } else if (field == m_passwordEdit) {
            if (!m_passwordEdit->text().trimmed().isEmpty())
                DoLogin();
        } else {
            focusNextPrevChild(true);
        }
        // The Enter character never reaches the field.
        return true;
    }
    if (key == Qt::Key_Up && field != m_productBox) {
        focusNextPrevChild(false);
        return true;
    }
    return false;
}

void LoginWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit programEnds();
}

} // namespace vant
