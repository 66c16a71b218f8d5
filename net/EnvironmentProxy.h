#pragma once
// The proxy a Linux user has already configured: http_proxy, https_proxy, all_proxy and
// no_proxy from the environment (lower case first, then upper case, as curl and wget do).
// Addresses on this machine never go through a proxy: a proxy could not reach them.
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QString>
#include <QUrl>

namespace orbivox {

struct ProxyEnvironment {
    QString httpProxy;
    QString httpsProxy;
    QString allProxy;
    QString noProxy;

    static ProxyEnvironment FromProcess();
};

// The proxy for one address; QNetworkProxy::NoProxy when it goes direct.
QNetworkProxy ProxyForUrl(const QUrl& url, const ProxyEnvironment& environment);

// Hands ProxyForUrl to a QNetworkAccessManager.
class EnvironmentProxyFactory : public QNetworkProxyFactory {
public:
    explicit EnvironmentProxyFactory(ProxyEnvironment environment)
        : environment_(std::move(environment)) {}
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override;

private:
    ProxyEnvironment environment_;
};

}  // namespace orbivox
