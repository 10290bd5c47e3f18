#pragma once

#include <stdexcept>
#include <string>

namespace typ {

// The error of the repository and of the image modules; the repository hands
// out its substitute picture for errors of this class only.
class E_VnRepositoryImages_Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A module asked for a list or an operation it does not have. Of its own
// class, so the repository passes it on instead of substituting.
class EAbstractError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace typ
