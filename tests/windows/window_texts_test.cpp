// Every text that a window shows goes through Qt's translation: a pseudo-translation marks each
// text it is asked for, and no word of a window may stand outside the marks, but the data.
// The texts asked for are the ones in the template that the build makes for translators.
// Every control that takes focus has a name that a screen reader can announce, as Qt's
// accessibility interface gives it: its caption without the access-key marker, or what it holds.
#include "window_tour.h"

#include "session/session_fixture.h"
#include "transfer/transfer_job.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

constexpr QChar kOpen = QChar(0x27E6);
constexpr QChar kClose = QChar(0x27E7);

// Marks every text it translates and remembers which it was asked for.
class PseudoTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        const QString source = QString::fromUtf8(sourceText);
        asked.insert(QString::fromUtf8(context) + u'|' + source);
        return kOpen + source + kClose;
    }
    mutable QSet<QString> asked;
};

// The words of a text that stand outside the marks and are no data.
QString unmarkedWords(const QString &text, const QStringList &data)
{
    // Innermost first: a translated text may hold others put into it.
    static const QRegularExpression marked(u"\u27E6[^\u27E6\u27E7]*\u27E7"_s);
    QString rest = text;
    for (qsizetype length = -1; length != rest.size();) {
        length = rest.size();
        rest.remove(marked);
    }
    for (const QString &value : data)
        rest.remove(value);
    const bool wordy = std::any_of(rest.cbegin(), rest.cend(), [](QChar c) { return c.isLetter(); });
    return wordy ? rest.trimmed() : QString();
}

// What a person reads in the window: its title, captions, menus, heads, lists and tips.
QStringList shownTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        for (const QAction *action : widget->actions())
            texts << action->text();
        if (auto *menu = qobject_cast<QMenu *>(widget))
            texts << menu->title();
        if (!widget->isVisibleTo(window))
            continue;
        texts << widget->toolTip();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            texts << group->title();
        else if (auto *list = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        } else if (auto *head = qobject_cast<QHeaderView *>(widget); head && head->orientation() == Qt::Horizontal) {
            for (int section = 0; head->model() && section < head->count(); ++section) {
                if (!head->isSectionHidden(section))
                    texts << head->model()->headerData(section, Qt::Horizontal).toString();
            }
        } else if (auto *box = qobject_cast<QLineEdit *>(widget);
                   box && !qobject_cast<QAbstractSpinBox *>(box->parentWidget())
                   && !qobject_cast<QComboBox *>(box->parentWidget())) {
            texts << box->text() << box->placeholderText();
        }
    }
    return texts;
}

// A source text of the template, where lupdate writes a control character as <byte value="xd"/>.
QString readSource(QXmlStreamReader &xml)
{
    QString source;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != u"source") {
        if (xml.isCharacters())
            source += xml.text();
        else if (xml.isStartElement() && xml.name() == u"byte")
            source += QChar(xml.attributes().value(u"value"_s).mid(1).toUShort(nullptr, 16));
        if (xml.atEnd())
            break;
    }
    return source;
}

// The texts of the template that the build makes, as "context|source".
QSet<QString> templateTexts()
{
    QFile file(QStringLiteral(VANT_TRANSLATION_TEMPLATE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << VANT_TRANSLATION_TEMPLATE;
    QSet<QString> texts;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            texts.insert(context + u'|' + readSource(xml));
    }
    return texts;
}

QString accessibleName(QWidget *control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name).remove(kOpen).remove(kClose).trimmed() : QString();
}

// The controls a user can reach; the inner box of a date or list control is reached as that control.
QList<QWidget *> focusableControls(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QWidget *parent = control->parentWidget();
        const bool inner = parent
                           && (parent->focusProxy() == control || qobject_cast<const QComboBox *>(parent)
                               || qobject_cast<const QAbstractSpinBox *>(parent));
        if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(window) && control->isEnabled() && !inner)
            controls << control;
    }
    return controls;
}

// Names of some controls: a list that holds an entry is announced by it, and by its caption
// through the label's relation.
const QList<std::pair<QString, QString>> kAccessibleNames = {
    {u"txtPassword"_s, u"Password"_s},
    {u"searchtxthlp"_s, u"Search"_s},
    {u"txtUserName"_s, u"Login ID"_s},
    {u"txtDestinationCompany"_s, u"Destination Company"_s},
    {u"txtToDate"_s, u"To Date"_s},
    {u"cmdProcess"_s, u"Transfer"_s},
    {u"cmdExit"_s, u"Exit"_s},
    {u"cboVoucherType"_s, u"Voucher Type"_s},
    {u"cboTransType"_s, u"Type"_s},
    {u"dtpFrom"_s, u"Date"_s},
    {u"cmdGo"_s, u"Go"_s},
    {u"cmdSelectall"_s, u"Select All"_s},
    {u"msfAccTransfer"_s, u"Off-line vouchers"_s},
    {u"dtpSince"_s, u"From"_s},
    {u"dtpUntil"_s, u"To"_s},
    {u"msfRuns"_s, u"Runs"_s},
    {u"cmdCheckCopy"_s, u"Check copy"_s},
    {u"cmdSavePdf"_s, u"Save as PDF..."_s},
};

class TranslationTest : public WindowTour
{
protected:
    TranslationTest() { QCoreApplication::installTranslator(&m_translator); }
    ~TranslationTest() override { QCoreApplication::removeTranslator(&m_translator); }

    PseudoTranslator m_translator;
};

// One tour: no word outside the marks, every text asked for in the translators' template, and
// every control that takes focus named by its caption without its access key.
TEST_F(TranslationTest, EveryTextIsTranslatedFromTheTemplateAndEveryControlNamed)
{
    const QStringList data = dataTexts();
    QStringList untranslated;
    QStringList unnamed;
    int controls = 0;
    QMap<QString, QString> names;
    visitEveryWindow([&](QWidget *window, const QString &view) {
        for (const QString &text : shownTexts(window)) {
            if (const QString words = unmarkedWords(text, data); !words.isEmpty())
                untranslated << view + u": \""_s + text + u"\" ("_s + words + u')';
        }
        for (QWidget *control : focusableControls(window)) {
            ++controls;
            if (accessibleName(control).isEmpty())
                unnamed << view + u": "_s + control->objectName() + u' '
                               + QLatin1StringView(control->metaObject()->className());
        }
        for (const auto &[name, caption] : kAccessibleNames) {
            if (QWidget *control = window->findChild<QWidget *>(name); control && !names.contains(name))
                names.insert(name, accessibleName(control));
        }
    });
    EXPECT_EQ(untranslated, QStringList());
    EXPECT_EQ(unnamed, QStringList());
    EXPECT_GT(controls, 40);
    EXPECT_EQ(boxesSeen().size(), 9) << boxesSeen().join(u'\n').toStdString();
    for (const auto &[name, caption] : kAccessibleNames)
        EXPECT_EQ(names.value(name), caption) << name.toStdString();

    const QSet<QString> gathered = templateTexts();
    QStringList missing;
    for (const QString &asked : std::as_const(m_translator.asked)) {
        // Qt translates its own texts (the boxes' buttons) from its own translations.
        if (asked.startsWith(u"vant::"_s) && !gathered.contains(asked))
            missing << asked;
    }
    missing.sort();
    EXPECT_EQ(missing, QStringList());
    EXPECT_GT(m_translator.asked.size(), 50);
}

// The boxes speak the user's language; the log and the run journal, which other programs read,
// keep the program's own words.
using TranslatedRecordsTest = SessionTest;

TEST_F(TranslatedRecordsTest, TheLogAndTheJournalKeepTheProgramsWords)
{
    PseudoTranslator translator;
    QCoreApplication::installTranslator(&translator);
    connectSeeded();
    TransferJob job(m_session, {u"1"_s, u"0"_s, QDate(2026, 4, 1), QDate(2026, 4, 30)});
    EXPECT_EQ(job.Processtransfer({}), TransferEnd::Refused);
    m_session.ReportError(Error{5, u"Invalid procedure call"_s}, u"frmVantTools"_s, u"Processtransfer"_s, true);
    QCoreApplication::removeTranslator(&translator);

    EXPECT_EQ(m_prompts.texts(), (QStringList{kOpen + u"Destination Company Not Correct"_s + kClose,
                                              kOpen
                                                  + u"Error Number : 5(Kindly note the Error number & Message. "
                                                    "Inform the vendor)\r\nMessage : Invalid procedure call"_s
                                                  + kClose}));
    EXPECT_EQ(job.record().message, u"Destination Company Not Correct"_s);
    EXPECT_TRUE(log().contains(u"\r\nErrMessage : Invalid procedure call\r\nErrForm : frmVantTools    ErrEvent : "
                               "Processtransfer\r\n"_s))
        << log().toStdString();
    EXPECT_FALSE(log().contains(kOpen));
}

} // namespace
} // namespace vant::test
