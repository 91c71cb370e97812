// Placeholder until implemented.
#include "platform/CurlHttpClient.h"

struct CCurlHttpClient::Impl {};
CCurlHttpClient::CCurlHttpClient() = default;
CCurlHttpClient::CCurlHttpClient(Options) {}
CCurlHttpClient::~CCurlHttpClient() = default;
HttpResponse CCurlHttpClient::Get(const std::string&) { return {}; }
bool InitNetworkLayer() { return true; }
