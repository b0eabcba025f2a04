#include "ui/addtrade.h"

#include "protocol/clientorderid.h"
#include "protocol/messages.h"
#include "protocol/numbertext.h"
#include "protocol/session.h"
#include "ui/guarded.h"
#include "ui/keypressfilter.h"
#include "ui/localenumbers.h"
#include "ui/lookandfeel.h"
#include "ui/mainwindow.h"
#include "ui/separatorline.h"
#include "ui/serverlink.h"
#include "ui/uppercasevalidator.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include <cstdint>
#include <string>

TfrmAddTrade* frmAddTrade = nullptr;

namespace {

QFont boldFont()
{
    QFont font = formFont();
    font.setBold(true);
    return font;
}

void makeBlackText(QWidget* widget, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, Qt::black);
    widget->setPalette(palette);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(boldFont());
    label->move(left, top);
    label->adjustSize();
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, int left)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 165, 80, 23);
    return button;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, int top)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(78, top, 106, 19);
    edit->setFont(boldFont());
    makeFlat(edit);
    makeBlackText(edit, QPalette::Text);
    edit->setValidator(new UpperCaseValidator(edit));
    return edit;
}

// Zero as the user writes it: "0.00", or "0,00" where the decimal separator is a comma, so that
// the window opens with a price that reads back under the user's locale.
QString localZero()
{
    return LocaleNumbers::formatValue(0.0);
}

// Closes the link when a send is over, however it ends.
class LinkCloser {
public:
    explicit LinkCloser(ServerLink& link) : m_link(link) { }
    ~LinkCloser() { m_link.setConnected(false); }
    LinkCloser(const LinkCloser&) = delete;
    LinkCloser& operator=(const LinkCloser&) = delete;

private:
    ServerLink& m_link;
};

} // namespace

TfrmAddTrade::TfrmAddTrade(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("frmAddTrade"));
    setUpForm(this, QStringLiteral("Add Trade"), 202, 208);

    lblSymbol = makeLabel(this, "lblSymbol", QStringLiteral("S&tock"), 17, 47);
    lblQuantity = makeLabel(this, "lblQuantity", QStringLiteral("&Volume"), 17, 77);
    lblPrice = makeLabel(this, "lblPrice", QStringLiteral("&Price"), 17, 103);
    DownLine = new SeparatorLine(this);
    DownLine->setObjectName(QStringLiteral("DownLine"));
    DownLine->setGeometry(9, 157, 181, 1);
    lblSide = makeLabel(this, "lblSide", QStringLiteral("&Side"), 17, 20);
    ValLabel = makeLabel(this, "ValLabel", localZero(), 78, 131);
    ValLabel->setFont(formFont());
    makeBlackText(ValLabel, QPalette::WindowText);
    ValLabel->adjustSize();
    lblValue = makeLabel(this, "lblValue", QStringLiteral("Value"), 16, 131);

    btnClose = makeButton(this, "btnClose", QStringLiteral("&Close"), 17);
    btnSend = makeButton(this, "btnSend", QStringLiteral("Send"), 104);

    edtSymbol = makeEdit(this, "edtSymbol", 45);

    cmbSide = new QComboBox(this);
    cmbSide->setObjectName(QStringLiteral("cmbSide"));
    cmbSide->setGeometry(78, 17, 106, 21);
    cmbSide->setFont(boldFont());
    cmbSide->addItems({QStringLiteral("BUY"), QStringLiteral("SELL")});
    cmbSide->setCurrentIndex(0);
    cmbSide->setPlaceholderText(QStringLiteral("Side"));

    edtQuantity = makeEdit(this, "edtQuantity", 74);
    edtPrice = makeEdit(this, "edtPrice", 101);
    edtPrice->setText(localZero());
    edtPrice->setPlaceholderText(localZero());

    lblSymbol->setBuddy(edtSymbol);
    lblQuantity->setBuddy(edtQuantity);
    lblPrice->setBuddy(edtPrice);
    lblSide->setBuddy(cmbSide);

    setTabOrder(btnClose, btnSend);
    setTabOrder(btnSend, edtSymbol);
    setTabOrder(edtSymbol, cmbSide);
    setTabOrder(cmbSide, edtQuantity);
    setTabOrder(edtQuantity, edtPrice);

    // Esc presses Close, as a dialog's cancel button would.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, btnClose, &QPushButton::click);

    connect(btnClose, &QPushButton::clicked, this, [this] { guarded([this] { btnCloseClick(); }); });
    connect(btnSend, &QPushButton::clicked, this, [this] { guarded([this] { btnSendClick(); }); });
    connect(edtQuantity, &QLineEdit::textChanged, this, [this] { guarded([this] { edtQuantityChange(); }); });
    connect(edtPrice, &QLineEdit::textChanged, this, [this] { guarded([this] { edtPriceChange(); }); });
    new KeyPressFilter(edtQuantity, [this](QChar& key) { guarded([&] { edtQuantityKeyPress(key); }); });
    new KeyPressFilter(edtPrice, [this](QChar& key) { guarded([&] { edtPriceKeyPress(key); }); });
}

void TfrmAddTrade::btnCloseClick()
{
    close();
}

void TfrmAddTrade::edtQuantityKeyPress(QChar& Key)
{
    // Backspace and the other editing keys never come here.
    if (!(Key >= u'0' && Key <= u'9'))
        Key = QChar();
}

void TfrmAddTrade::edtPriceKeyPress(QChar& Key)
{
    // The user's own decimal separator, so that decimals typed here read back under the user's
    // locale (where "." groups thousands it would never convert).
    if (!(Key >= u'0' && Key <= u'9') && QString(Key) != LocaleNumbers::decimalSeparator())
        Key = QChar();
}

void TfrmAddTrade::edtQuantityChange()
{
    ComputeViaFormula();
}

void TfrmAddTrade::edtPriceChange()
{
    ComputeViaFormula();
}

void TfrmAddTrade::ComputeViaFormula()
{
    const double dblQuantity = LocaleNumbers::readFloat(edtQuantity->text());
    const double dblPrice = LocaleNumbers::readFloat(edtPrice->text());
    const double dblValue = dblPrice * dblQuantity;
    ValLabel->setText(LocaleNumbers::formatValue(dblValue));
    ValLabel->adjustSize();
}

void TfrmAddTrade::btnSendClick()
{
    ServerLink& link = frmMain->clientPort();
    link.setConnected(true);
    // From here on every way out closes the link, a field that does not convert included.
    const LinkCloser closer(link);

    const talvenor::Side side = cmbSide->currentIndex() == 1 ? talvenor::Side::Sell : talvenor::Side::Buy;
    const std::u16string stock = edtSymbol->text().toStdU16String();
    const std::int64_t volume = talvenor::readInteger<std::int64_t>(edtQuantity->text().toStdU16String());
    const double price = LocaleNumbers::readFloat(edtPrice->text());
    const std::u16string clordid = talvenor::username + talvenor::generateUniqueId();

    const talvenor::TradeReport report{.side = side,
        .stock = stock,
        .volume = volume,
        .price = price,
        .username = talvenor::username,
        .clientOrderId = clordid};
    link.Send(QString::fromStdU16String(talvenor::composeTradeReport(report)));
}
