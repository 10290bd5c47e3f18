#include "sysinfo/Service.h"

#include "sysinfo/ValueReader.h"
#include "sysinfo/ValueWriter.h"

namespace typ {

void TService::Assign(const TService& source) {
    Name = source.Name;
    Start = source.Start;
}

void TService::ReadFields(TValueReader& reader) {
    Name = reader.ReadAnsiString();
    Start = reader.ReadBoolean();
}

void TService::WriteFields(TValueWriter& writer) const {
    writer.WriteAnsiString(Name);
    writer.WriteBoolean(Start);
}

} // namespace typ
