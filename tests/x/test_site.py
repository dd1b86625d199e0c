"""Web sites of any name, served on the loopback interface to a browser that
takes this server as its proxy: no network. Plain http is answered at once;
https comes through CONNECT and is answered over TLS with a self-signed
certificate of the test's own (data/test_site.crt)."""
import os
import socket
import ssl
import threading

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")


class TestSite:
    def __init__(self, pages):
        """pages: {"host/path": html}; anything else gets 404."""
        self.pages = pages
        self.requests = []  # "host/path" in the order asked
        self._tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        self._tls.load_cert_chain(os.path.join(DATA, "test_site.crt"),
                                  os.path.join(DATA, "test_site.key"))
        self._server = socket.socket()
        self._server.bind(("127.0.0.1", 0))
        self._server.listen(32)
        self.port = self._server.getsockname()[1]
        threading.Thread(target=self._serve, daemon=True).start()

    def proxy_flag(self):
        return f"--proxy-server=http://127.0.0.1:{self.port}"

    def close(self):
        self._server.close()

    def _serve(self):
        while True:
            try:
                client, _ = self._server.accept()
            except OSError:
                return
            threading.Thread(target=self._answer, args=(client,), daemon=True).start()

    @staticmethod
    def _head(connection):
        data = b""
        while b"\r\n\r\n" not in data:
            chunk = connection.recv(4096)
            if not chunk:
                return None
            data += chunk
        return data.split(b"\r\n")

    def _answer(self, client):
        try:
            with client:
                lines = self._head(client)
                if not lines:
                    return
                method, target, _ = lines[0].decode().split(" ", 2)
                if method == "CONNECT":
                    client.sendall(b"HTTP/1.1 200 Connection established\r\n\r\n")
                    with self._tls.wrap_socket(client, server_side=True) as secure:
                        lines = self._head(secure)
                        if lines:
                            path = lines[0].decode().split(" ")[1]
                            host = next(l.decode().split(":", 1)[1].strip() for l in lines
                                        if l.lower().startswith(b"host:"))
                            self._reply(secure, host.split(":")[0] + path)
                else:
                    self._reply(client, target.split("://", 1)[-1])
        except (OSError, ssl.SSLError, StopIteration, ValueError):
            pass

    def _reply(self, connection, address):
        self.requests.append(address)
        html = self.pages.get(address)
        status = "200 OK" if html is not None else "404 Not Found"
        body = (html if html is not None else "no such page").encode()
        connection.sendall(f"HTTP/1.1 {status}\r\nContent-Type: text/html\r\n"
                           f"Content-Length: {len(body)}\r\nConnection: close\r\n\r\n".encode()
                           + body)
