#include "server/ServerError.h"

#include "editor/GridEditor.h"

#include <gtest/gtest.h>

namespace typ {
namespace {

template <typename E> std::exception_ptr Raised(E error) {
    return std::make_exception_ptr(error);
}

TEST(ServerErrorTest, OnlyAFailingPlatformCodeIsPassedOn) {
    constexpr std::int32_t accessDenied = static_cast<std::int32_t>(0x80070005u);
    EXPECT_EQ(FailureCode(Raised(EPlatformError(accessDenied, "denegado"))), accessDenied);
    EXPECT_EQ(FailureCode(Raised(EPlatformError(1, "aviso"))), kUnexpectedFailure);
    EXPECT_EQ(FailureCode(Raised(EPlatformError(0, "correcto"))), kUnexpectedFailure);
    EXPECT_EQ(FailureCode(Raised(EEditorError("El tamaño"))), kUnexpectedFailure);
    EXPECT_EQ(FailureCode(Raised(42)), kUnexpectedFailure);
}

TEST(ServerErrorTest, MessageIsTheErrorsOwnText) {
    EXPECT_EQ(FailureMessage(Raised(EEditorError("El tamaño de página 1 x 2"))),
              "El tamaño de página 1 x 2");
    EXPECT_EQ(FailureMessage(Raised(EPlatformError(-1, "fallo"))), "fallo");
    EXPECT_EQ(FailureMessage(Raised(42)), "");
}

} // namespace
} // namespace typ
