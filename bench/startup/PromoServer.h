// A promotion server on 127.0.0.1 for the start-up benchmark: answers every
// request at once with a small list (a few lines of each pane's kind), the
// flags "11", or an empty page. Plain sockets on a thread of its own, so the
// benchmark needs no toolkit.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

class PromoServer {
public:
    PromoServer() {
        listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            listen(listener_, 16) != 0 ||
            getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~PromoServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        close(listener_);
    }
    std::string address() const { return "http://127.0.0.1:" + std::to_string(port_); }

    // A loopback address on which nothing listens: connections are refused.
    static std::string refusedAddress() {
        const int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(probe, reinterpret_cast<sockaddr*>(&address), length);
        getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
        close(probe);
        return "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    }

private:
    void serve() {
        while (!stop_) {
            pollfd waiting{listener_, POLLIN, 0};
            if (poll(&waiting, 1, 50) <= 0) continue;
            const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) continue;
            answer(client);
            close(client);
        }
    }
    void answer(int client) {
        std::string request;
        char buffer[2048];
        while (request.find("\r\n\r\n") == std::string::npos) {
            pollfd readable{client, POLLIN, 0};
            if (poll(&readable, 1, 1000) <= 0) return;
            const ssize_t n = read(client, buffer, sizeof buffer);
            if (n <= 0) return;
            request.append(buffer, static_cast<size_t>(n));
        }
        const std::string path = request.substr(4, request.find(' ', 4) - 4);
        std::string body;
        if (path == "/Chinese/CPC/loginfo.html") {
            for (int i = 0; i < 4; ++i) {
                body += "1>5>" + address() + "/banner" + std::to_string(i) + ".html\r\n";
                body += "0>5>" + address() + "/main" + std::to_string(i) + ".html\r\n";
            }
        } else if (path == "/Chinese/SysInfo/logFlagfee.htm") {
            body = "11";
        }
        const std::string response =
            "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n"
            "Connection: close\r\nContent-Length: " +
            std::to_string(body.size()) + "\r\n\r\n" + body;
        for (size_t sent = 0; sent < response.size();) {
            const ssize_t n = write(client, response.data() + sent, response.size() - sent);
            if (n <= 0) return;
            sent += static_cast<size_t>(n);
        }
    }

    int listener_ = -1;
    unsigned short port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
