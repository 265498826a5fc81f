#ifndef PROVIDERFILL_H
#define PROVIDERFILL_H

class PPPConfigBase;
struct ProviderPlan;
struct SystemLayout;

// Gives the Account page's "Provider…" button its behaviour: off when there
// is no provider list; otherwise it reads the list (only then, never at
// start-up) and opens the chooser over the form.
void setUpProviderButton(PPPConfigBase &form, const SystemLayout &system);

// Puts what plan gives into the form, to be saved by Apply like anything
// typed: number, init string (GSM), user name and password, and the name
// servers when the user has turned off their detection. The account name
// stays.
void fillFromPlan(PPPConfigBase &form, const ProviderPlan &plan);

#endif
