#include "sysinfo/SysExpOptions.h"

#include "environment/StrUtils.h"
#include "sysinfo/CommaText.h"

namespace typ {

std::u16string TSysExpOption::Item(std::u16string_view name) const {
    return CommaTextValue(SplitCommaText(ReadString(FKey)), name);
}

void TSysExpOption::SetItem(std::u16string_view name, std::u16string_view value) {
    std::vector<std::u16string> items = SplitCommaText(ReadString(FKey));
    SetCommaTextValue(items, name, value);
    const std::u16string line = JoinCommaText(items);
    SetRawValue(FKey, line);
    FOptions.NoteOptionChanged(FKey, line);
}

TSysExpOptions::TSysExpOptions(TSysInfoLines& Shared) : TSysInfo(Shared) {
    for (std::size_t i = 0; i < Shared.Count(); ++i) {
        const std::u16string& entry = Shared.Entry(i);
        if (FindText(entry, u"ExpOption") != std::u16string::npos)
            FOptionsList.push_back(std::make_unique<TSysExpOption>(
                Shared, std::u16string(TSysInfoLines::KeyOf(entry)), *this));
    }
}

void TSysExpOptions::Add(std::u16string_view COM_ClassName) {
    for (const auto& option : FOptionsList)
        if (SameText(option->COM_Classname(), COM_ClassName))
            return;
    const std::u16string key = u"ExpOption" + IntToStr(static_cast<long long>(Count()));
    const std::u16string value = u"COM_Classname=" + std::u16string(COM_ClassName) + u"\r\n";
    SetRawValue(key, value);
    AppendModified(key + u"=" + value);
    FOptionsList.push_back(std::make_unique<TSysExpOption>(Lines(), key, *this));
}

} // namespace typ
