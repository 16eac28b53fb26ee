// SHA-256 (FIPS 180-4) in the page itself, for a browser that keeps its
// SubtleCrypto from the page: one served over plain http is not a secure
// context. The constants are worked out as the standard defines them, from
// the first primes' square and cube roots.
function sha256Constants() {
  const primes = [];
  for (let n = 2; primes.length < 64; n++) if (primes.every((p) => n % p !== 0)) primes.push(n);
  const fraction = (x) => Math.floor((x - Math.floor(x)) * 0x100000000) >>> 0;
  return { k: primes.map((p) => fraction(Math.cbrt(p))), h: primes.slice(0, 8).map((p) => fraction(Math.sqrt(p))) };
}

function sha256Hex(text) {
  const { k, h } = sha256Constants();
  const bytes = new TextEncoder().encode(text);
  const blocks = Math.ceil((bytes.length + 9) / 64);
  const words = new Uint32Array(blocks * 16);
  for (let i = 0; i < bytes.length; i++) words[i >> 2] |= bytes[i] << (24 - (i % 4) * 8);
  words[bytes.length >> 2] |= 0x80 << (24 - (bytes.length % 4) * 8);
  words[words.length - 2] = Math.floor((bytes.length * 8) / 0x100000000);
  words[words.length - 1] = (bytes.length * 8) >>> 0;
  const rotate = (x, n) => (x >>> n) | (x << (32 - n));
  const w = new Uint32Array(64);
  for (let block = 0; block < blocks; block++) {
    for (let t = 0; t < 64; t++) {
      if (t < 16) {
        w[t] = words[block * 16 + t];
        continue;
      }
      const s0 = rotate(w[t - 15], 7) ^ rotate(w[t - 15], 18) ^ (w[t - 15] >>> 3);
      const s1 = rotate(w[t - 2], 17) ^ rotate(w[t - 2], 19) ^ (w[t - 2] >>> 10);
      w[t] = w[t - 16] + s0 + w[t - 7] + s1;
    }
    let [a, b, c, d, e, f, g, x] = h;
    for (let t = 0; t < 64; t++) {
      const t1 = x + (rotate(e, 6) ^ rotate(e, 11) ^ rotate(e, 25)) + ((e & f) ^ (~e & g)) + k[t] + w[t];
      const t2 = (rotate(a, 2) ^ rotate(a, 13) ^ rotate(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
      [x, g, f, e, d, c, b, a] = [g, f, e, (d + t1) >>> 0, c, b, a, (t1 + t2) >>> 0];
    }
    [a, b, c, d, e, f, g, x].forEach((value, i) => {
      h[i] = (h[i] + value) >>> 0;
    });
  }
  return h.map((value) => value.toString(16).padStart(8, "0")).join("");
}
