#pragma once

#include "sysinfo/SysInfo.h"
#include "sysinfo/SysInfoViews.h"

#include <functional>
#include <memory>
#include <string>

namespace typ {

// Asks the service for a further group of an installation's values: the
// installation key number and the data option give the group's text.
using TOnDemandData = std::function<std::u16string(const std::u16string& HLNumber, int DataOption)>;

// The data options a record asks its handler for.
inline constexpr int kOnDemandServiceLocation = 1;
inline constexpr int kOnDemandDictionaryConnection = 2;
inline constexpr int kOnDemandCUConfig = 3;
inline constexpr int kOnDemandExportOptions = 4;

// A client or server record: fetches further groups of values on first use
// through its handler, each group at most once, and merges them into its
// lines. The installation key number is read once, when it is made.
class TSysInfoSrv : public TSysInfo {
public:
    explicit TSysInfoSrv(std::u16string_view SysInfoR);

    void SetOnDemandData(TOnDemandData handler) { FOnDemandData = std::move(handler); }
    // The handler's text; empty when no handler is set.
    std::u16string RequestOnDemand(const std::u16string& HLNumber, int DataOption) const;
    const std::u16string& HLNumberKept() const { return FHLNumber; }

    // The service location group, fetched on first use.
    TSysServiceLocation& SysServiceLocation() {
        return ViewOnDemand(FSysServiceLocation, kOnDemandServiceLocation);
    }

protected:
    // The view, made on first use after its group was fetched and merged.
    template <typename TView> TView& ViewOnDemand(std::unique_ptr<TView>& view, int DataOption) {
        if (!view) {
            FetchGroup(DataOption);
            view = std::make_unique<TView>(Lines());
        }
        return *view;
    }
    // "DictionaryCnxnStr", fetched again on every read while it reads empty.
    std::u16string DictionaryCnxnStrOnDemand();

private:
    void FetchGroup(int DataOption);

    std::unique_ptr<TSysServiceLocation> FSysServiceLocation;
    TOnDemandData FOnDemandData;
    std::u16string FHLNumber;
};

} // namespace typ
