#include "reports/clsReport.h"

// Placeholder body until the report wizard lands.
void clsReport::Start() {}
