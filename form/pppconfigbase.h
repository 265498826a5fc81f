#ifndef PPPCONFIGBASE_H
#define PPPCONFIGBASE_H

#include "form/buddyfocus.h"

#include <QDialog>
#include <QPixmap>

class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpacerItem;
class QSpinBox;
class QTabWidget;
class QVBoxLayout;
class QWidget;
class RadioGroupBox;

// The dial-up dialog's form: three pages ("Account", "Modem", "Network") and
// the connection row below them, with every widget, its texts, ranges and initial state, the keyboard focus order
// and the connections to the slots below. It holds no account logic: PPPConfig
// derives from it, reads and writes the widgets through the members, which
// carry the widgets' object names, and overrides the slots.
class PPPConfigBase : public QDialog
{
    Q_OBJECT

public:
    // Without a name the form calls itself "Form1".
    explicit PPPConfigBase(QWidget *parent = nullptr, const char *name = nullptr,
                           bool modal = false, Qt::WindowFlags fl = {});
    ~PPPConfigBase() override;

    QTabWidget *TabWidget2;

    // Account page
    QWidget *tab;
    QLineEdit *phone;
    QLabel *TextLabel1_2_2;
    QFrame *Line3;
    QLineEdit *password;
    QLabel *TextLabel2;
    QLabel *TextLabel1;
    QFrame *Line4;
    QLabel *TextLabel1_2;
    RadioGroupBox *ButtonGroup3;      // ids: serial_button 0, bluetooth_button 1, irda_button 2
    QRadioButton *serial_button;
    QRadioButton *bluetooth_button;
    QRadioButton *irda_button;
    QPushButton *apply_button;
    QPushButton *provider_button;     // fills the account from the provider list
    QLineEdit *username;
    QComboBox *acname;
    QPushButton *del_account_button;

    // Modem page
    QWidget *tab_2;
    QLabel *TextLabelDevice;
    QLabel *TextLabel3_2_2;
    QComboBox *speed;
    QSlider *connectdelay;
    QLabel *TextLabel1_3;
    QLabel *connectdelay_text;
    QLabel *TextLabel5;
    QCheckBox *crtscts;
    QLineEdit *btdevice;
    QLineEdit *atdial;
    QLabel *TextLabel3;
    QLabel *TextLabel1_4;
    QLabel *TextLabel1_6;
    QComboBox *deviceList;
    QPushButton *searchDevice;
    RadioGroupBox *dialmode;          // ids: dial_manual 0, dial_idle 1, dial_demand 2
    QRadioButton *dial_manual;
    QSpinBox *idletime;
    QLabel *TextLabel1_5;
    QRadioButton *dial_demand;
    QRadioButton *dial_idle;
    QLineEdit *btPin;
    QLabel *TextLabel1_7;

    // Network page
    QWidget *tab_3;
    QCheckBox *usepeerdns;
    QGroupBox *gatewaybox;
    QLabel *TextLabel4_2;
    QLineEdit *gateway;
    QCheckBox *defaultroute;
    QGroupBox *dnsbox;
    QLineEdit *dns1;
    QLineEdit *dns2;
    QLabel *TextLabel1_2_3;
    QLabel *TextLabel1_2_2_2;

    // Below the pages: the shown account's connection, its log behind the
    // checkable Details button. Most windows never show the log, so its view
    // is made when Details is first checked: until then connection_log is null.
    QLabel *connection_status;
    QPushButton *connect_button;
    QPushButton *connection_details;
    QPlainTextEdit *connection_log = nullptr;

    // Without the provider list the button is off and its tooltip names the
    // package that brings the list.
    void setProviderListAvailable(bool available);

signals:
    // connection_log has just been made, empty, and is about to be shown.
    void connectionLogMade();

public slots:
    // The form's own bodies only report that nothing is behind the button;
    // PPPConfig gives each its behaviour.
    virtual void btSearchClicked();
    virtual void bt_selected();
    virtual void delete_account();
    virtual void irda_selected();
    virtual void new_account(const QString &);
    virtual void Apply();
    virtual void serial_selected();

protected:
    QVBoxLayout *Form1Layout;
    QGridLayout *tabLayout;
    QSpacerItem *accountSpacer;
    QGridLayout *ButtonGroup3Layout;
    QGridLayout *tabLayout_2;
    QGridLayout *dialmodeLayout;
    QGridLayout *tabLayout_3;
    QSpacerItem *networkSpacer;
    QHBoxLayout *gatewayboxLayout;
    QGridLayout *dnsboxLayout;

    void changeEvent(QEvent *event) override;

protected slots:
    // Sets every visible text through translation. Runs once while the form
    // is built; running it again empties gateway, dns1 and dns2 and puts
    // speed back to 115200. A language change at run time runs it through
    // changeEvent(), which keeps those values.
    virtual void languageChange();

private:
    void buildAccountPage();
    void buildModemPage();
    void buildNetworkPage();
    void buildConnectionRow();
    void setBuddies();
    void connectSignals();
    void setFocusChain();
    void showConnectionLog(bool shown);

    QPixmap deleteIcon;
    BuddyFocus buddyFocus;
};

#endif
