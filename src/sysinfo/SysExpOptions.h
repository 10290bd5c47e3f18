#pragma once

#include "sysinfo/SysInfo.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace typ {

class TSysExpOptions;

// One export option: the record line under FKey, whose value is a
// comma-separated list of COM_Classname=, Name= and Description= items.
//
// Writes through an option rewrite that list in the option's own line (an
// empty value removes the item) and append the whole new line to the
// options' changes, which the gateway's SetClient sends: so a later read of
// the option and the service both see them.
class TSysExpOption : public TSysInfo {
public:
    TSysExpOption(TSysInfoLines& Shared, std::u16string Key, TSysExpOptions& Options)
        : TSysInfo(Shared), FKey(std::move(Key)), FOptions(Options) {}

    const std::u16string& Key() const { return FKey; }
    std::u16string COM_Classname() const { return Item(u"COM_Classname"); }
    std::u16string Name() const { return Item(u"Name"); }
    std::u16string Description() const { return Item(u"Description"); }

    void SetCOM_Classname(std::u16string_view value) { SetItem(u"COM_Classname", value); }
    void SetName(std::u16string_view value) { SetItem(u"Name", value); }
    void SetDescription(std::u16string_view value) { SetItem(u"Description", value); }

private:
    std::u16string Item(std::u16string_view name) const;
    void SetItem(std::u16string_view name, std::u16string_view value);

    std::u16string FKey;
    TSysExpOptions& FOptions;
};

// The export options of a client record: one option for every line whose
// text holds "ExpOption" in any letter case, in line order. Owns its options.
class TSysExpOptions : public TSysInfo {
public:
    explicit TSysExpOptions(TSysInfoLines& Shared);

    std::size_t Count() const { return FOptionsList.size(); }
    // Index from 0 to Count() - 1.
    TSysExpOption& SysExpOption(std::size_t index) { return *FOptionsList.at(index); }
    const TSysExpOption& SysExpOption(std::size_t index) const { return *FOptionsList.at(index); }

    // A new option "ExpOption<Count>" for the class, unless an option has that
    // class already (letter case ignored).
    void Add(std::u16string_view COM_ClassName);

private:
    friend class TSysExpOption;
    // An option's line changed: it goes out with the options' changes.
    void NoteOptionChanged(std::u16string_view key, std::u16string_view value) {
        NoteModified(key, value);
    }

    std::vector<std::unique_ptr<TSysExpOption>> FOptionsList;
};

} // namespace typ
