#ifndef PPPCONFIG_H
#define PPPCONFIG_H

#include "form/pppconfigbase.h"

// The dial-up account editor: the form with the behaviour behind its
// buttons.
class PPPConfig : public PPPConfigBase
{
    Q_OBJECT
public:
    explicit PPPConfig(QWidget *parent = nullptr, const char *name = nullptr);
    ~PPPConfig() override;
};

#endif
