#pragma once

#include <string_view>

// One contender of the load benchmark: an open connection to the responder.
class LoadClient {
public:
    virtual ~LoadClient() = default;
    // Sends the command with its CR and reads the reply line up to its CR; false when either failed or the
    // reply is not a success.
    virtual bool Exchange(std::string_view command) = 0;
};
