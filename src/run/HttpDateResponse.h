#pragma once

#include <stdexcept>
#include <string>

// What the clock step uses of the time server's answer.
struct SHttpDateResponse
{
    int nStatusCode = 0;
    std::wstring strDate; // the Date header, empty when absent
};

// Raised by a time source for every failure of the request itself: no connection, a failed TLS
// handshake or certificate check, or no answer within the timeout.
class CHttpRequestFailure : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
