// Reading the proxy variables, matching hosts against no_proxy, and the proxy factory that
// picks the proxy for each request's scheme and host.
#include "net/EnvironmentProxy.h"

#include <QHostAddress>
#include <QProcessEnvironment>
#include <QRegularExpression>

namespace orbivox {
namespace {

QString FirstSet(const QProcessEnvironment& env, const char* lower, const char* upper) {
    const QString value = env.value(QLatin1String(lower));
    return value.isEmpty() ? env.value(QLatin1String(upper)) : value;
}

bool IsLoopback(const QString& host) {
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
        host.endsWith(QLatin1String(".localhost"), Qt::CaseInsensitive)) {
        return true;
    }
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

// no_proxy: entries separated by commas or blanks; "*" matches every host; "example.org"
// and ".example.org" both match example.org and its sub-domains. A ":port" is ignored.
bool ExcludedByNoProxy(const QString& host, const QString& noProxy) {
    const QStringList entries =
        noProxy.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts);
    for (QString entry : entries) {
        if (entry == QLatin1String("*")) {
            return true;
        }
        if (entry.startsWith(QLatin1Char('[')) && entry.contains(QLatin1Char(']'))) {
            entry = entry.mid(1, entry.indexOf(QLatin1Char(']')) - 1);
        } else if (entry.count(QLatin1Char(':')) == 1) {
            entry = entry.left(entry.indexOf(QLatin1Char(':')));
        }
        while (entry.startsWith(QLatin1Char('.'))) {
            entry.remove(0, 1);
        }
        if (entry.isEmpty()) {
            continue;
        }
        if (host.compare(entry, Qt::CaseInsensitive) == 0 ||
            host.endsWith(QLatin1Char('.') + entry, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

QNetworkProxy ParseProxy(const QString& text) {
    // "host:port" without a scheme is an HTTP proxy, as curl reads it.
    const QString withScheme =
        text.contains(QLatin1String("://")) ? text : QStringLiteral("http://") + text;
    const QUrl url(withScheme, QUrl::TolerantMode);
    if (!url.isValid() || url.host().isEmpty()) {
        return QNetworkProxy(QNetworkProxy::NoProxy);
    }
    const QString scheme = url.scheme().toLower();
    const auto type = scheme.startsWith(QLatin1String("socks")) ? QNetworkProxy::Socks5Proxy
                                                                : QNetworkProxy::HttpProxy;
    QNetworkProxy proxy(type, url.host(), static_cast<quint16>(url.port(1080)),
                        url.userName(QUrl::FullyDecoded), url.password(QUrl::FullyDecoded));
    return proxy;
}

}  // namespace

ProxyEnvironment ProxyEnvironment::FromProcess() {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    return ProxyEnvironment{
        FirstSet(env, "http_proxy", "HTTP_PROXY"), FirstSet(env, "https_proxy", "HTTPS_PROXY"),
        FirstSet(env, "all_proxy", "ALL_PROXY"), FirstSet(env, "no_proxy", "NO_PROXY")};
}

QNetworkProxy ProxyForUrl(const QUrl& url, const ProxyEnvironment& environment) {
    const QString host = url.host();
    if (host.isEmpty() || IsLoopback(host) || ExcludedByNoProxy(host, environment.noProxy)) {
        return QNetworkProxy(QNetworkProxy::NoProxy);
    }
    const QString scheme = url.scheme().toLower();
    QString text =
        scheme == QLatin1String("https") ? environment.httpsProxy : environment.httpProxy;
    if (text.isEmpty()) {
        text = environment.allProxy;
    }
    if (text.trimmed().isEmpty()) {
        return QNetworkProxy(QNetworkProxy::NoProxy);
    }
    return ParseProxy(text.trimmed());
}

QList<QNetworkProxy> EnvironmentProxyFactory::queryProxy(const QNetworkProxyQuery& query) {
    return {ProxyForUrl(query.url(), environment_)};
}

}  // namespace orbivox
