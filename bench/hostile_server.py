# A hostile HTTP server for bench/hostile.sh, on 127.0.0.1:80 of a network namespace.
import base64, socket, struct, sys, threading, zlib
# MODE: good, body (endless body), header (one endless header line), bomb (a 5600 x 5600
# PNG); with a leading 'c' the start-up request is answered well and only the counters are
# attacked.
mode = sys.argv[1]
BLOCK = b'x' * 65536
def png_bomb():
    w = h = 5600
    raw = (b'\x00' + b'\x00' * (w * 3)) * h
    def chunk(t, d): return struct.pack('>I', len(d)) + t + d + struct.pack('>I', zlib.crc32(t + d) & 0xffffffff)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0)) + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')
BOMB = png_bomb() if mode.endswith('bomb') else b''
def handle(c):
    try:
        req = b''
        while b'\r\n\r\n' not in req:
            d = c.recv(4096)
            if not d: return
            req += d
        line = req.split(b'\r\n')[0]
        print(line.decode(), flush=True)
        m = mode
        if m.startswith('c'):
            if b'/test/1.php' in line:
                c.sendall(b'HTTP/1.0 200 OK\r\n\r\nok'); return
            m = m[1:]
        if m == 'good':
            if b'/test/1.php' in line:
                c.sendall(b'HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\nok')
            else:

                png = base64.b64decode('iVBORw0KGgoAAAANSUhEUgAAAFgAAAAfCAIAAADsqp23AAAARklEQVR4nO3QQQkAAAgAMaMY1egaQtDH4AIci6zSFOcHTwIBAgQIECBAgAABAgQIECBAgAABAsSLQIAAAQIECBAgQIDYqQFERv2mkonsWAAAAABJRU5ErkJggg==')
                c.sendall(b'HTTP/1.0 200 OK\r\nContent-Type: image/png\r\nContent-Length: %d\r\n\r\n' % len(png) + png)
        elif m == 'body':
            c.sendall(b'HTTP/1.0 200 OK\r\nContent-Type: image/png\r\n\r\n')
            while True: c.sendall(BLOCK)
        elif m == 'header':
            c.sendall(b'HTTP/1.0 200 OK\r\nX-Filler: ')
            while True: c.sendall(BLOCK)
        elif m == 'bomb':
            if b'/test/1.php' in line:
                c.sendall(b'HTTP/1.0 200 OK\r\n\r\nok')
            else:
                c.sendall(b'HTTP/1.0 200 OK\r\nContent-Type: image/png\r\nContent-Length: %d\r\n\r\n' % len(BOMB) + BOMB)
    except Exception:
        pass
    finally:
        c.close()
s = socket.socket(); s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(('127.0.0.1', 80)); s.listen(64)
print('listening', flush=True)
while True:
    c, _ = s.accept()
    threading.Thread(target=handle, args=(c,), daemon=True).start()
