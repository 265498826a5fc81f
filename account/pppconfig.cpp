#include "account/pppconfig.h"

PPPConfig::PPPConfig(QWidget *parent, const char *name)
    : PPPConfigBase(parent, name, false, {})
{
}

PPPConfig::~PPPConfig() = default;
