#include "server/ServerError.h"

namespace typ {

std::int32_t FailureCode(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const EPlatformError& e) {
        return e.Code() < 0 ? e.Code() : kUnexpectedFailure;
    } catch (...) {
        return kUnexpectedFailure;
    }
}

std::string FailureMessage(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return {};
    }
}

} // namespace typ
