#include "form/pppconfigbase.h"
#include "form/radiogroupbox.h"
#include "core/record/applyinput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

static QFrame *makeLine(QWidget *parent, const char *name)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// A push button that Return typed elsewhere in the dialog never presses:
// a QDialog would otherwise click the next auto-default button after the
// focused widget, so Return after typing an account name would delete the
// account or apply it.
static QPushButton *makeButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// The delete picture is a resource of the static core library; nothing
// refers to it by symbol, so the linker would drop it without this call.
static void loadFormResources()
{
    Q_INIT_RESOURCE(form);
}

template <typename W>
static W *make(QWidget *parent, const char *name)
{
    auto *widget = new W(parent);
    widget->setObjectName(name);
    return widget;
}

PPPConfigBase::PPPConfigBase(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setModal(modal);
    loadFormResources();
    deleteIcon = QPixmap(QStringLiteral(":/form/delete.png"));
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("Form1"));

    Form1Layout = new QVBoxLayout(this);
    Form1Layout->setObjectName("Form1Layout");
    Form1Layout->setContentsMargins(1, 1, 1, 1);
    Form1Layout->setSpacing(0);

    TabWidget2 = make<QTabWidget>(this, "TabWidget2");
    buildAccountPage();
    TabWidget2->addTab(tab, QString());
    buildModemPage();
    TabWidget2->addTab(tab_2, QString());
    buildNetworkPage();
    TabWidget2->addTab(tab_3, QString());
    Form1Layout->addWidget(TabWidget2);
    buildConnectionRow();

    setBuddies();
    languageChange();
    resize(QSize(380, 364).expandedTo(minimumSizeHint()));
    connectSignals();
    setFocusChain();
}

PPPConfigBase::~PPPConfigBase() = default;

void PPPConfigBase::buildConnectionRow()
{
    auto *row = new QHBoxLayout;
    row->setObjectName("connectionRowLayout");
    row->setContentsMargins(6, 6, 6, 6);
    row->setSpacing(6);
    // The status wraps: its longest line (Connected, with the addresses)
    // must fit beside the buttons on a narrow screen.
    connection_status = make<QLabel>(this, "connection_status");
    connection_status->setWordWrap(true);
    connection_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connection_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(connection_status, 1);
    connection_details = makeButton(this, "connection_details");
    connection_details->setCheckable(true);
    row->addWidget(connection_details);
    connect_button = makeButton(this, "connect_button");
    row->addWidget(connect_button);
    Form1Layout->addLayout(row);
}

void PPPConfigBase::showConnectionLog(bool shown)
{
    if (!connection_log) {
        if (!shown)
            return;
        connection_log = make<QPlainTextEdit>(this, "connection_log");
        connection_log->setReadOnly(true);
        connection_log->setMaximumBlockCount(3000);
        connection_log->setLineWrapMode(QPlainTextEdit::NoWrap);
        Form1Layout->addWidget(connection_log);
        setTabOrder(connect_button, connection_log);
        emit connectionLogMade();
    }
    connection_log->setVisible(shown);
}

void PPPConfigBase::buildAccountPage()
{
    tab = make<QWidget>(TabWidget2, "tab");
    tabLayout = new QGridLayout(tab);
    tabLayout->setObjectName("tabLayout");
    tabLayout->setContentsMargins(11, 11, 11, 11);
    tabLayout->setSpacing(6);

    phone = make<QLineEdit>(tab, "phone");
    tabLayout->addWidget(phone, 5, 1, 1, 3);

    TextLabel1_2_2 = make<QLabel>(tab, "TextLabel1_2_2");
    tabLayout->addWidget(TextLabel1_2_2, 5, 0);

    Line3 = makeLine(tab, "Line3");
    tabLayout->addWidget(Line3, 4, 0, 1, 4);

    password = make<QLineEdit>(tab, "password");
    password->setEchoMode(QLineEdit::Password);
    tabLayout->addWidget(password, 3, 1, 1, 3);

    TextLabel2 = make<QLabel>(tab, "TextLabel2");
    tabLayout->addWidget(TextLabel2, 3, 0);

    TextLabel1 = make<QLabel>(tab, "TextLabel1");
    tabLayout->addWidget(TextLabel1, 2, 0);

    Line4 = makeLine(tab, "Line4");
    tabLayout->addWidget(Line4, 1, 0, 1, 4);

    TextLabel1_2 = make<QLabel>(tab, "TextLabel1_2");
    tabLayout->addWidget(TextLabel1_2, 0, 0);

    ButtonGroup3 = make<RadioGroupBox>(tab, "ButtonGroup3");
    auto *groupLayout = new QVBoxLayout(ButtonGroup3);
    groupLayout->setContentsMargins(11, 11, 11, 11);
    groupLayout->setSpacing(6);
    ButtonGroup3Layout = new QGridLayout;
    groupLayout->addLayout(ButtonGroup3Layout);
    groupLayout->setAlignment(ButtonGroup3Layout, Qt::AlignTop);

    // The ids follow the order of creation; the account settings store them.
    serial_button = make<QRadioButton>(ButtonGroup3, "serial_button");
    ButtonGroup3->addButton(serial_button, 0);
    ButtonGroup3Layout->addWidget(serial_button, 0, 0);

    bluetooth_button = make<QRadioButton>(ButtonGroup3, "bluetooth_button");
    ButtonGroup3->addButton(bluetooth_button, 1);
    ButtonGroup3Layout->addWidget(bluetooth_button, 2, 0);

    irda_button = make<QRadioButton>(ButtonGroup3, "irda_button");
    ButtonGroup3->addButton(irda_button, 2);
    ButtonGroup3Layout->addWidget(irda_button, 1, 0);

    tabLayout->addWidget(ButtonGroup3, 6, 0, 1, 4);

    accountSpacer = new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding);
    tabLayout->addItem(accountSpacer, 7, 1);

    apply_button = makeButton(tab, "apply_button");
    apply_button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    tabLayout->addWidget(apply_button, 7, 2);

    provider_button = makeButton(tab, "provider_button");
    provider_button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    tabLayout->addWidget(provider_button, 7, 0);

    username = make<QLineEdit>(tab, "username");
    tabLayout->addWidget(username, 2, 1, 1, 3);

    acname = make<QComboBox>(tab, "acname");
    acname->setEditable(true);
    acname->setDuplicatesEnabled(false);
    // A typed name is taken as typed: with Qt's completer, typing "Al" next
    // to "Alpha" would pick "Alpha", and matching would ignore case.
    acname->setCompleter(nullptr);
    acname->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    tabLayout->addWidget(acname, 0, 1, 1, 2);

    del_account_button = makeButton(tab, "del_account_button");
    del_account_button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    del_account_button->setIcon(deleteIcon);
    tabLayout->addWidget(del_account_button, 0, 3);
}

void PPPConfigBase::buildModemPage()
{
    tab_2 = make<QWidget>(TabWidget2, "tab_2");
    tabLayout_2 = new QGridLayout(tab_2);
    tabLayout_2->setObjectName("tabLayout_2");
    tabLayout_2->setContentsMargins(11, 11, 11, 11);
    tabLayout_2->setSpacing(6);

    // "BT Device:" and "Device:" both name the device path in the first
    // cell; they sit one above the other so neither is drawn over the other.
    auto *deviceLabels = new QVBoxLayout;
    deviceLabels->setSpacing(0);
    tabLayout_2->addLayout(deviceLabels, 0, 0);

    TextLabelDevice = make<QLabel>(tab_2, "TextLabelDevice");
    deviceLabels->addWidget(TextLabelDevice);

    TextLabel3_2_2 = make<QLabel>(tab_2, "TextLabel3_2_2");
    tabLayout_2->addWidget(TextLabel3_2_2, 1, 0);

    speed = make<QComboBox>(tab_2, "speed");
    speed->setEditable(false);
    tabLayout_2->addWidget(speed, 2, 1, 1, 3);

    connectdelay = make<QSlider>(tab_2, "connectdelay");
    connectdelay->setOrientation(Qt::Horizontal);
    connectdelay->setRange(minConnectDelay, maxConnectDelay);
    connectdelay->setValue(6);
    tabLayout_2->addWidget(connectdelay, 4, 1);

    TextLabel1_3 = make<QLabel>(tab_2, "TextLabel1_3");
    deviceLabels->addWidget(TextLabel1_3);

    connectdelay_text = make<QLabel>(tab_2, "connectdelay_text");
    connectdelay_text->setMinimumSize(15, 0);
    connectdelay_text->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
    connectdelay_text->setNum(connectdelay->value());
    tabLayout_2->addWidget(connectdelay_text, 4, 2);

    TextLabel5 = make<QLabel>(tab_2, "TextLabel5");
    tabLayout_2->addWidget(TextLabel5, 4, 3);

    crtscts = make<QCheckBox>(tab_2, "crtscts");
    crtscts->setChecked(true);
    tabLayout_2->addWidget(crtscts, 3, 1, 1, 3);

    btdevice = make<QLineEdit>(tab_2, "btdevice");
    tabLayout_2->addWidget(btdevice, 0, 1, 1, 3);

    atdial = make<QLineEdit>(tab_2, "atdial");
    tabLayout_2->addWidget(atdial, 1, 1, 1, 3);

    TextLabel3 = make<QLabel>(tab_2, "TextLabel3");
    tabLayout_2->addWidget(TextLabel3, 4, 0);

    TextLabel1_4 = make<QLabel>(tab_2, "TextLabel1_4");
    tabLayout_2->addWidget(TextLabel1_4, 2, 0);

    TextLabel1_6 = make<QLabel>(tab_2, "TextLabel1_6");
    tabLayout_2->addWidget(TextLabel1_6, 5, 0);

    deviceList = make<QComboBox>(tab_2, "deviceList");
    deviceList->setEditable(false);
    deviceList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    tabLayout_2->addWidget(deviceList, 5, 1);

    searchDevice = makeButton(tab_2, "searchDevice");
    tabLayout_2->addWidget(searchDevice, 5, 2, 1, 2);

    dialmode = make<RadioGroupBox>(tab_2, "dialmode");
    auto *groupLayout = new QVBoxLayout(dialmode);
    groupLayout->setContentsMargins(5, 5, 5, 5);
    groupLayout->setSpacing(0);
    dialmodeLayout = new QGridLayout;
    groupLayout->addLayout(dialmodeLayout);
    groupLayout->setAlignment(dialmodeLayout, Qt::AlignTop);

    dial_manual = make<QRadioButton>(dialmode, "dial_manual");
    dialmode->addButton(dial_manual, 0);
    dialmodeLayout->addWidget(dial_manual, 0, 0, 1, 2);

    idletime = make<QSpinBox>(dialmode, "idletime");
    idletime->setRange(0, maxIdleTime);
    idletime->setSingleStep(30);
    idletime->setValue(120);
    dialmodeLayout->addWidget(idletime, 3, 1);

    TextLabel1_5 = make<QLabel>(dialmode, "TextLabel1_5");
    TextLabel1_5->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
    TextLabel1_5->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
    dialmodeLayout->addWidget(TextLabel1_5, 3, 0);

    dial_demand = make<QRadioButton>(dialmode, "dial_demand");
    dialmode->addButton(dial_demand, 2);
    dialmodeLayout->addWidget(dial_demand, 2, 0, 1, 2);

    dial_idle = make<QRadioButton>(dialmode, "dial_idle");
    dialmode->addButton(dial_idle, 1);
    dialmodeLayout->addWidget(dial_idle, 1, 0, 1, 2);

    tabLayout_2->addWidget(dialmode, 7, 0, 1, 4);

    btPin = make<QLineEdit>(tab_2, "btPin");
    btPin->setEnabled(false);
    tabLayout_2->addWidget(btPin, 6, 1);

    TextLabel1_7 = make<QLabel>(tab_2, "TextLabel1_7");
    TextLabel1_7->setEnabled(false);
    tabLayout_2->addWidget(TextLabel1_7, 6, 0);
}

void PPPConfigBase::buildNetworkPage()
{
    tab_3 = make<QWidget>(TabWidget2, "tab_3");
    tabLayout_3 = new QGridLayout(tab_3);
    tabLayout_3->setObjectName("tabLayout_3");
    tabLayout_3->setContentsMargins(6, 6, 6, 6);
    tabLayout_3->setSpacing(4);

    usepeerdns = make<QCheckBox>(tab_3, "usepeerdns");
    usepeerdns->setChecked(true);
    tabLayout_3->addWidget(usepeerdns, 2, 0);

    // Both boxes start disabled because the check boxes that govern them
    // start checked.
    gatewaybox = make<QGroupBox>(tab_3, "gatewaybox");
    gatewaybox->setEnabled(false);
    auto *gatewayOuter = new QVBoxLayout(gatewaybox);
    gatewayOuter->setContentsMargins(11, 11, 11, 11);
    gatewayOuter->setSpacing(6);
    gatewayboxLayout = new QHBoxLayout;
    gatewayOuter->addLayout(gatewayboxLayout);
    gatewayOuter->setAlignment(gatewayboxLayout, Qt::AlignTop);

    TextLabel4_2 = make<QLabel>(gatewaybox, "TextLabel4_2");
    gatewayboxLayout->addWidget(TextLabel4_2);
    gateway = make<QLineEdit>(gatewaybox, "gateway");
    gatewayboxLayout->addWidget(gateway);

    tabLayout_3->addWidget(gatewaybox, 1, 0, 1, 2);

    defaultroute = make<QCheckBox>(tab_3, "defaultroute");
    defaultroute->setChecked(true);
    tabLayout_3->addWidget(defaultroute, 0, 0, 1, 2);

    dnsbox = make<QGroupBox>(tab_3, "dnsbox");
    dnsbox->setEnabled(false);
    auto *dnsOuter = new QVBoxLayout(dnsbox);
    dnsOuter->setContentsMargins(11, 11, 11, 11);
    dnsOuter->setSpacing(6);
    dnsboxLayout = new QGridLayout;
    dnsOuter->addLayout(dnsboxLayout);
    dnsOuter->setAlignment(dnsboxLayout, Qt::AlignTop);

    dns1 = make<QLineEdit>(dnsbox, "dns1");
    dnsboxLayout->addWidget(dns1, 0, 1);
    dns2 = make<QLineEdit>(dnsbox, "dns2");
    dnsboxLayout->addWidget(dns2, 1, 1);
    TextLabel1_2_3 = make<QLabel>(dnsbox, "TextLabel1_2_3");
    dnsboxLayout->addWidget(TextLabel1_2_3, 0, 0);
    TextLabel1_2_2_2 = make<QLabel>(dnsbox, "TextLabel1_2_2_2");
    dnsboxLayout->addWidget(TextLabel1_2_2_2, 1, 0);

    tabLayout_3->addWidget(dnsbox, 3, 0, 1, 2);

    networkSpacer = new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding);
    tabLayout_3->addItem(networkSpacer, 4, 1);
}

// Each label names its field to a screen reader, and its mnemonic or a click
// on it moves the focus there. "BT Device:" and "Device:" both name btdevice.
void PPPConfigBase::setBuddies()
{
    const QList<QPair<QLabel *, QWidget *>> pairs = {
        { TextLabel1_2, acname }, { TextLabel1, username }, { TextLabel2, password },
        { TextLabel1_2_2, phone }, { TextLabelDevice, btdevice }, { TextLabel1_3, btdevice },
        { TextLabel3_2_2, atdial }, { TextLabel1_4, speed }, { TextLabel3, connectdelay },
        { TextLabel1_6, deviceList }, { TextLabel1_7, btPin }, { TextLabel1_5, idletime },
        { TextLabel4_2, gateway }, { TextLabel1_2_3, dns1 }, { TextLabel1_2_2_2, dns2 },
    };
    for (const auto &[label, field] : pairs) {
        label->setBuddy(field);
        label->installEventFilter(&buddyFocus);
    }
}

// A new language runs the text pass again, but the values it puts back are
// the account's and stay as they were; the chosen speed keeps its place in
// the refilled list, or comes back as the extra entry it was.
void PPPConfigBase::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const int rate = speed->currentIndex();
        const QString rateText = speed->currentText();
        const QString addresses[] = { gateway->text(), dns1->text(), dns2->text() };
        languageChange();
        if (rate >= speed->count())
            speed->addItem(rateText);
        speed->setCurrentIndex(qMin(rate, speed->count() - 1));
        gateway->setText(addresses[0]);
        dns1->setText(addresses[1]);
        dns2->setText(addresses[2]);
    }
    QDialog::changeEvent(event);
}

void PPPConfigBase::connectSignals()
{
    connect(defaultroute, &QCheckBox::toggled, gatewaybox, &QWidget::setDisabled);
    connect(usepeerdns, &QCheckBox::toggled, dnsbox, &QWidget::setDisabled);
    connect(connectdelay, &QSlider::valueChanged,
            connectdelay_text, qOverload<int>(&QLabel::setNum));
    connect(searchDevice, &QPushButton::clicked, this, &PPPConfigBase::btSearchClicked);
    connect(serial_button, &QRadioButton::clicked, this, &PPPConfigBase::serial_selected);
    connect(irda_button, &QRadioButton::clicked, this, &PPPConfigBase::irda_selected);
    connect(bluetooth_button, &QRadioButton::clicked, this, &PPPConfigBase::bt_selected);
    connect(del_account_button, &QPushButton::clicked, this, &PPPConfigBase::delete_account);
    connect(acname, &QComboBox::textActivated, this, &PPPConfigBase::new_account);
    connect(apply_button, &QPushButton::clicked, this, &PPPConfigBase::Apply);
    connect(connection_details, &QPushButton::toggled, this, &PPPConfigBase::showConnectionLog);
}

void PPPConfigBase::setFocusChain()
{
    const QList<QWidget *> chain = {
        TabWidget2, acname, del_account_button, username, password, phone,
        serial_button, irda_button, bluetooth_button, provider_button, apply_button,
        btdevice, atdial, speed, crtscts, connectdelay, deviceList, searchDevice,
        dial_manual, dial_idle, dial_demand, idletime,
        defaultroute, gateway, usepeerdns, dns1, dns2,
        connection_details, connect_button,
    };
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
}

void PPPConfigBase::setProviderListAvailable(bool available)
{
    provider_button->setEnabled(available);
    provider_button->setToolTip(available ? QString()
        : tr("Install the package mobile-broadband-provider-info for the list of providers."));
}

void PPPConfigBase::btSearchClicked()
{
    qWarning("PPPConfigBase::btSearchClicked(): Not implemented yet");
}

void PPPConfigBase::bt_selected()
{
    qWarning("PPPConfigBase::bt_selected(): Not implemented yet");
}

void PPPConfigBase::delete_account()
{
    qWarning("PPPConfigBase::delete_account(): Not implemented yet");
}

void PPPConfigBase::irda_selected()
{
    qWarning("PPPConfigBase::irda_selected(): Not implemented yet");
}

void PPPConfigBase::new_account(const QString &)
{
    qWarning("PPPConfigBase::new_account(const QString&): Not implemented yet");
}

void PPPConfigBase::Apply()
{
    qWarning("PPPConfigBase::Apply(): Not implemented yet");
}

void PPPConfigBase::serial_selected()
{
    qWarning("PPPConfigBase::serial_selected(): Not implemented yet");
}

void PPPConfigBase::languageChange()
{
    setWindowTitle(tr("Dial-up"));
    TextLabel1_2_2->setText(tr("P&hone:"));
    TextLabel2->setText(tr("&Password:"));
    TextLabel1->setText(tr("&Username:"));
    TextLabel1_2->setText(tr("&Name:"));
    ButtonGroup3->setTitle(tr("Make connect via"));
    serial_button->setText(tr("&Serial port"));
    bluetooth_button->setText(tr("&BlueTooth"));
    irda_button->setText(tr("&IrDA"));
    apply_button->setText(tr("&Apply"));
    provider_button->setText(tr("Provider…"));
    // Its own state, not its page's: a busy form is disabled as a whole.
    setProviderListAvailable(!provider_button->testAttribute(Qt::WA_ForceDisabled));
    del_account_button->setText(QString());
    // The button shows only a picture: a screen reader and a tooltip say it.
    del_account_button->setAccessibleName(tr("Delete account"));
    del_account_button->setToolTip(del_account_button->accessibleName());
    TabWidget2->setTabText(TabWidget2->indexOf(tab), tr("Account"));
    TextLabelDevice->setText(tr("BT Device:"));
    TextLabel3_2_2->setText(tr("&Init string:"));
    speed->clear();
    // Written as they are: the system files take no other speed.
    speed->addItems(offeredSpeeds());
    speed->setCurrentIndex(5);
    TextLabel1_3->setText(tr("&Device:"));
    TextLabel5->setText(tr("sec"));
    crtscts->setText(tr("&Hardware flow control"));
    TextLabel3->setText(tr("&Time out:"));
    TextLabel1_4->setText(tr("&Speed:"));
    TextLabel1_6->setText(tr("BT D&UN:"));
    searchDevice->setText(tr("Sea&rch"));
    dialmode->setTitle(tr("Demand Dialing"));
    dial_manual->setText(tr("&Manual connect and disconnect"));
    idletime->setSuffix(tr(" seconds"));
    TextLabel1_5->setText(tr("Id&le timeout:"));
    dial_demand->setText(tr("Automatic &connect and disconnect"));
    dial_idle->setText(tr("Manual connect, &automatic disconnect"));
    TextLabel1_7->setText(tr("BT &PIN:"));
    TabWidget2->setTabText(TabWidget2->indexOf(tab_2), tr("Modem"));
    usepeerdns->setText(tr("Auto-detect &name servers"));
    gatewaybox->setTitle(QString());
    TextLabel4_2->setText(tr("&Gateway"));
    gateway->setText(QString());
    defaultroute->setText(tr("Auto-detect &routing"));
    dnsbox->setTitle(QString());
    dns1->setText(QString());
    dns2->setText(QString());
    TextLabel1_2_3->setText(tr("&First DNS"));
    TextLabel1_2_2_2->setText(tr("&Second DNS"));
    TabWidget2->setTabText(TabWidget2->indexOf(tab_3), tr("Network"));
    connect_button->setText(tr("Connect"));
    connection_details->setText(tr("Details"));
}
