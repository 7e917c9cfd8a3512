#pragma once

#include <QString>

/// The system's text for an errno value.
QString SystemErrorText(int code);
