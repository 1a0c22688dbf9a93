#pragma once

// The report wizard's driver: Start opens the wizard and runs it to the report.
class clsReport
{
public:
    void Start();
};
