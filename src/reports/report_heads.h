#pragma once
// The heads of the two report pages, with their texts from the language table.

#include "reports/unthtml_utils.h"

#include <QString>

// The head both pages share. Writes "reports.css" first when the web folder
// has none; an existing one, edited or not, is kept.
QString commonPageHead(const QString& webFolder);
// The today page's head: the common head and its title.
QString todayPageHead(const QString& webFolder);
// The per-day page's head: the common head, its title, the range and the options.
QString perDayPageHead(const ReportOptions& options, const QString& webFolder);
