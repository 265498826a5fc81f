#ifndef DUNSEARCH_H
#define DUNSEARCH_H

#include "core/bluetooth/dunsearchparser.h"

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QStringList>

class QComboBox;
class QProgressDialog;
class QWidget;
struct SystemLayout;

// The Bluetooth dial-up search: runs "<sdptool> browse" without a shell,
// reads its output from the pipe as it comes and collects one DUN entry
// "ADDRESS,CHANNEL" for each dial-up networking service of the phones in range.
//
// A search takes from a few seconds to a minute. Meanwhile a window-modal
// progress dialog over the window shows that it is running and offers Cancel;
// the application's own event loop goes on. Cancel stops the tool and keeps
// the entries of the services that were read to their end.
class DunSearch : public QObject
{
    Q_OBJECT

public:
    struct Result
    {
        QStringList entries;    // in the order the tool listed them
        bool cancelled = false; // the user stopped the search
    };

    // A search over window, which owns it; start() runs it.
    DunSearch(QWidget *window, const SystemLayout &layout);
    ~DunSearch() override;

    // Starts the tool and shows the progress dialog. finished follows once:
    // when the tool has ended or was stopped, or at once when it cannot be
    // started (then a warning says why and the result is empty).
    void start();

    // The whole "Search" button: starts a search over window with content
    // disabled until it ends, then lists the entries in place of deviceList's
    // with the first one current. When a search that ran to its end (or
    // could not start) found nothing, tells the user so in a message box; a
    // search cancelled before it found anything ends quietly and leaves
    // deviceList as it was. Answers the search, which deletes itself after
    // its finished signal.
    static DunSearch *fillDunList(QComboBox *deviceList, QWidget *window, QWidget *content,
                                  const SystemLayout &layout);

signals:
    void finished(const DunSearch::Result &result);

private:
    void cancel();
    void end();

    QWidget *window;
    QString program;
    QProcess tool;
    DunSearchParser parser;
    QPointer<QProgressDialog> progress;
    bool cancelled = false;
    bool ended = false;
};

#endif
