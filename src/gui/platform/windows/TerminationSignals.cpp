#include "TerminationSignals.h"

// On Windows the end of the session reaches the program through Qt's own
// session handling; there are no signals to translate.
TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}

TerminationSignals::~TerminationSignals() = default;
