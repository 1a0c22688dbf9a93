#pragma once

// Common base of the records a chooser can hand back in pubPicked (a team or a player).
class clsRecord
{
public:
    virtual ~clsRecord() = default;

protected:
    clsRecord() = default;
    clsRecord(const clsRecord&) = default;
    clsRecord& operator=(const clsRecord&) = default;
};
