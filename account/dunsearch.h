#ifndef DUNSEARCH_H
#define DUNSEARCH_H

#include <QStringList>

class QComboBox;
class QWidget;
struct SystemLayout;

// The Bluetooth dial-up search: runs "<sdptool> browse" without a shell,
// reads its output from the pipe and collects one DUN entry "ADDRESS,CHANNEL"
// for each dial-up networking service of the phones in range.
//
// A search takes from a few seconds to a minute. Meanwhile a modal progress
// dialog over the parent shows that it is running and offers Cancel, and the
// window behind it keeps painting. Cancel stops the tool and keeps the entries
// of the services that were read to their end.
class DunSearch
{
public:
    struct Result
    {
        QStringList entries;    // in the order the tool listed them
        bool cancelled = false; // the user stopped the search
    };

    // Runs the search and waits for it; when the tool cannot be started the
    // result is empty and a warning says why.
    static Result search(QWidget *parent, const SystemLayout &layout);

    // The whole "Search" button: searches, then lists the entries in place of
    // deviceList's with the first one current. When a search that ran to its
    // end (or could not start) found nothing, tells the user so in a message
    // box over parent; a search cancelled before it found anything ends
    // quietly and leaves deviceList as it was.
    static void fillDunList(QComboBox *deviceList, QWidget *parent, const SystemLayout &layout);
};

#endif
