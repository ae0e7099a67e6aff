// For a result that carries an error ([[nodiscard]]) and that a caller goes on without on
// purpose: the call says so by name, and a comment beside it says why.
#pragma once

namespace wyndrel {

template <typename TResult>
constexpr void GoOnRegardless(const TResult& /*result*/) noexcept {}

}  // namespace wyndrel
