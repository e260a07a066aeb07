#include "text/digests.h"

#include "common/processor_features.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>
#include <variant>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define ZQ_SHA_EXTENSIONS 1
#endif

namespace zq {
namespace {

using u32 = std::uint32_t;

constexpr u32 rotateLeft(u32 x, int n) {
    return (x << n) | (x >> (32 - n));
}

constexpr u32 rotateRight(u32 x, int n) {
    return (x >> n) | (x << (32 - n));
}

u32 loadLittle(const unsigned char *p) {
    return u32(p[0]) | u32(p[1]) << 8 | u32(p[2]) << 16 | u32(p[3]) << 24;
}

u32 loadBig(const unsigned char *p) {
    return u32(p[3]) | u32(p[2]) << 8 | u32(p[1]) << 16 | u32(p[0]) << 24;
}

constexpr u32 Md5Constants[64] = {
    0xD76AA478, 0xE8C7B756, 0x242070DB, 0xC1BDCEEE, 0xF57C0FAF, 0x4787C62A, 0xA8304613, 0xFD469501,
    0x698098D8, 0x8B44F7AF, 0xFFFF5BB1, 0x895CD7BE, 0x6B901122, 0xFD987193, 0xA679438E, 0x49B40821,
    0xF61E2562, 0xC040B340, 0x265E5A51, 0xE9B6C7AA, 0xD62F105D, 0x02441453, 0xD8A1E681, 0xE7D3FBC8,
    0x21E1CDE6, 0xC33707D6, 0xF4D50D87, 0x455A14ED, 0xA9E3E905, 0xFCEFA3F8, 0x676F02D9, 0x8D2A4C8A,
    0xFFFA3942, 0x8771F681, 0x6D9D6122, 0xFDE5380C, 0xA4BEEA44, 0x4BDECFA9, 0xF6BB4B60, 0xBEBFBC70,
    0x289B7EC6, 0xEAA127FA, 0xD4EF3085, 0x04881D05, 0xD9D4D039, 0xE6DB99E5, 0x1FA27CF8, 0xC4AC5665,
    0xF4292244, 0x432AFF97, 0xAB9423A7, 0xFC93A039, 0x655B59C3, 0x8F0CCC92, 0xFFEFF47D, 0x85845DD1,
    0x6FA87E4F, 0xFE2CE6E0, 0xA3014314, 0x4E0811A1, 0xF7537E82, 0xBD3AF235, 0x2AD7D2BB, 0xEB86D391};

constexpr int Md5Shifts[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

#define ZQ_INLINE inline __attribute__((always_inline))

// One of MD5's 64 steps, resolved at compile time: its function, message word and shift. The
// four words take turns as a, so no step moves a value between them.
template <int Step> ZQ_INLINE void md5Step(u32 &a, u32 b, u32 c, u32 d, const u32 *x) {
    constexpr int round = Step / 16;
    constexpr int word = round == 0   ? Step
                         : round == 1 ? (5 * Step + 1) % 16
                         : round == 2 ? (3 * Step + 5) % 16
                                      : (7 * Step) % 16;
    // What does not wait for the previous step goes first.
    u32 sum = a + x[word] + Md5Constants[Step];
    if constexpr (round == 0)
        sum += d ^ (b & (c ^ d)); // (b AND c) OR (NOT b AND d)
    else if constexpr (round == 1)
        sum += (c & ~d) + (b & d); // the two halves never share a bit
    else if constexpr (round == 2)
        sum += b ^ c ^ d;
    else
        sum += c ^ (b | ~d);
    a = b + rotateLeft(sum, Md5Shifts[round][Step % 4]);
}

template <int Step> ZQ_INLINE void md5FourSteps(u32 &a, u32 &b, u32 &c, u32 &d, const u32 *x) {
    md5Step<Step>(a, b, c, d, x);
    md5Step<Step + 1>(d, a, b, c, x);
    md5Step<Step + 2>(c, d, a, b, x);
    md5Step<Step + 3>(b, c, d, a, x);
}

template <int... Four>
ZQ_INLINE void md5Steps(u32 &a, u32 &b, u32 &c, u32 &d, const u32 *x,
                        std::integer_sequence<int, Four...>) {
    (md5FourSteps<4 * Four>(a, b, c, d, x), ...);
}

// MD5 compression of whole 64-byte blocks.
struct Md5 {
    static constexpr bool BigEndianLength = false;
    std::array<u32, 4> h = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476};

    void compress(const unsigned char *data, std::size_t blocks) {
        u32 a0 = h[0], b0 = h[1], c0 = h[2], d0 = h[3];
        for (; blocks > 0; --blocks, data += 64) {
            u32 x[16];
            for (int i = 0; i < 16; ++i)
                x[i] = loadLittle(data + 4 * i);
            u32 a = a0, b = b0, c = c0, d = d0;
            md5Steps(a, b, c, d, x, std::make_integer_sequence<int, 16>{});
            a0 += a;
            b0 += b;
            c0 += c;
            d0 += d;
        }
        h = {a0, b0, c0, d0};
    }

    void appendDigest(QByteArray &out) const {
        for (u32 word : h)
            for (int i = 0; i < 4; ++i)
                out += char(word >> (8 * i));
    }
};

constexpr u32 Sha256Constants[64] = {
    0x428A2F98, 0x71374491, 0xB5C0FBCF, 0xE9B5DBA5, 0x3956C25B, 0x59F111F1, 0x923F82A4, 0xAB1C5ED5,
    0xD807AA98, 0x12835B01, 0x243185BE, 0x550C7DC3, 0x72BE5D74, 0x80DEB1FE, 0x9BDC06A7, 0xC19BF174,
    0xE49B69C1, 0xEFBE4786, 0x0FC19DC6, 0x240CA1CC, 0x2DE92C6F, 0x4A7484AA, 0x5CB0A9DC, 0x76F988DA,
    0x983E5152, 0xA831C66D, 0xB00327C8, 0xBF597FC7, 0xC6E00BF3, 0xD5A79147, 0x06CA6351, 0x14292967,
    0x27B70A85, 0x2E1B2138, 0x4D2C6DFC, 0x53380D13, 0x650A7354, 0x766A0ABB, 0x81C2C92E, 0x92722C85,
    0xA2BFE8A1, 0xA81A664B, 0xC24B8B70, 0xC76C51A3, 0xD192E819, 0xD6990624, 0xF40E3585, 0x106AA070,
    0x19A4C116, 0x1E376C08, 0x2748774C, 0x34B0BCB5, 0x391C0CB3, 0x4ED8AA4A, 0x5B9CCA4F, 0x682E6FF3,
    0x748F82EE, 0x78A5636F, 0x84C87814, 0x8CC70208, 0x90BEFFFA, 0xA4506CEB, 0xBEF9A3F7, 0xC67178F2};

// One SHA-256 round, resolved at compile time; the eight words take turns, so no round moves a
// value between them. The message schedule is kept sixteen words long, as it is used.
// `bc` comes in as b XOR c and leaves as a XOR b, the next round's b XOR c: the majority of a, b
// and c is b XOR ((a XOR b) AND (b XOR c)), so c itself is not needed.
template <int T>
ZQ_INLINE void sha256Round(u32 a, u32 b, u32 &d, u32 e, u32 f, u32 g, u32 &h, u32 *w, u32 &bc) {
    if constexpr (T >= 16) {
        const u32 w15 = w[(T - 15) & 15], w2 = w[(T - 2) & 15];
        w[T & 15] += (rotateRight(w2, 17) ^ rotateRight(w2, 19) ^ (w2 >> 10)) + w[(T - 7) & 15] +
                     (rotateRight(w15, 7) ^ rotateRight(w15, 18) ^ (w15 >> 3));
    }
    const u32 t1 = h + (rotateRight(e, 6) ^ rotateRight(e, 11) ^ rotateRight(e, 25)) +
                   (g ^ (e & (f ^ g))) + Sha256Constants[T] + w[T & 15];
    const u32 ab = a ^ b;
    const u32 t2 = (rotateRight(a, 2) ^ rotateRight(a, 13) ^ rotateRight(a, 22)) + (b ^ (ab & bc));
    bc = ab;
    d += t1;
    h = t1 + t2;
}

template <int T> ZQ_INLINE void sha256EightRounds(u32 *v, u32 *w, u32 &bc) {
    sha256Round<T>(v[0], v[1], v[3], v[4], v[5], v[6], v[7], w, bc);
    sha256Round<T + 1>(v[7], v[0], v[2], v[3], v[4], v[5], v[6], w, bc);
    sha256Round<T + 2>(v[6], v[7], v[1], v[2], v[3], v[4], v[5], w, bc);
    sha256Round<T + 3>(v[5], v[6], v[0], v[1], v[2], v[3], v[4], w, bc);
    sha256Round<T + 4>(v[4], v[5], v[7], v[0], v[1], v[2], v[3], w, bc);
    sha256Round<T + 5>(v[3], v[4], v[6], v[7], v[0], v[1], v[2], w, bc);
    sha256Round<T + 6>(v[2], v[3], v[5], v[6], v[7], v[0], v[1], w, bc);
    sha256Round<T + 7>(v[1], v[2], v[4], v[5], v[6], v[7], v[0], w, bc);
}

template <int... Eight>
ZQ_INLINE void sha256Rounds(u32 *v, u32 *w, std::integer_sequence<int, Eight...>) {
    u32 bc = v[1] ^ v[2];
    (sha256EightRounds<8 * Eight>(v, w, bc), ...);
}

ZQ_INLINE void sha256Blocks(u32 *h, const unsigned char *data, std::size_t blocks) {
    for (; blocks > 0; --blocks, data += 64) {
        u32 w[16];
        for (int t = 0; t < 16; ++t)
            w[t] = loadBig(data + 4 * t);
        u32 v[8];
        std::copy(h, h + 8, v);
        sha256Rounds(v, w, std::make_integer_sequence<int, 8>{});
        for (int i = 0; i < 8; ++i)
            h[i] += v[i];
    }
}

void sha256Portable(u32 *h, const unsigned char *data, std::size_t blocks) {
    sha256Blocks(h, data, blocks);
}

#ifdef ZQ_SHA_EXTENSIONS
// The same code for processors with the BMI2 instructions (three-operand rotations), which
// nearly every x86-64 processor of the last decade has.
__attribute__((target("bmi2"))) void sha256Bmi2(u32 *h, const unsigned char *data,
                                                std::size_t blocks) {
    sha256Blocks(h, data, blocks);
}

#define ZQ_SHA_TARGET __attribute__((target("sha,sse4.1,ssse3")))

// Four rounds with the processor's SHA instructions, resolved at compile time: rounds 4·I to
// 4·I + 3, and the message schedule's next four words where they are due.
template <int I>
ZQ_SHA_TARGET ZQ_INLINE void sha256FourRounds(__m128i &state0, __m128i &state1, __m128i *message,
                                              const unsigned char *data) {
    const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);
    __m128i &current = message[I % 4];
    if constexpr (I < 4)
        current = _mm_shuffle_epi8(
            _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + 16 * I)), byteSwap);
    __m128i words = _mm_add_epi32(
        current, _mm_loadu_si128(reinterpret_cast<const __m128i *>(Sha256Constants + 4 * I)));
    state1 = _mm_sha256rnds2_epu32(state1, state0, words);
    if constexpr (I >= 3 && I < 15) {
        __m128i &next = message[(I + 1) % 4];
        next = _mm_add_epi32(next, _mm_alignr_epi8(current, message[(I + 3) % 4], 4));
        next = _mm_sha256msg2_epu32(next, current);
    }
    words = _mm_shuffle_epi32(words, 0x0E);
    state0 = _mm_sha256rnds2_epu32(state0, state1, words);
    if constexpr (I >= 1 && I < 13)
        message[(I + 3) % 4] = _mm_sha256msg1_epu32(message[(I + 3) % 4], current);
}

template <int... I>
ZQ_SHA_TARGET ZQ_INLINE void sha256AllRounds(__m128i &state0, __m128i &state1,
                                             const unsigned char *data,
                                             std::integer_sequence<int, I...>) {
    __m128i message[4];
    (sha256FourRounds<I>(state0, state1, message, data), ...);
}

// The processor's SHA instructions, where it has them: the same compression, several times
// faster.
ZQ_SHA_TARGET void sha256Instructions(u32 *h, const unsigned char *data, std::size_t blocks) {
    __m128i tmp = _mm_loadu_si128(reinterpret_cast<const __m128i *>(h));
    __m128i state1 = _mm_loadu_si128(reinterpret_cast<const __m128i *>(h + 4));
    tmp = _mm_shuffle_epi32(tmp, 0xB1);               // CDAB
    state1 = _mm_shuffle_epi32(state1, 0x1B);         // EFGH
    __m128i state0 = _mm_alignr_epi8(tmp, state1, 8); // ABEF
    state1 = _mm_blend_epi16(state1, tmp, 0xF0);      // CDGH
    for (; blocks > 0; --blocks, data += 64) {
        const __m128i abefSaved = state0, cdghSaved = state1;
        sha256AllRounds(state0, state1, data, std::make_integer_sequence<int, 16>{});
        state0 = _mm_add_epi32(state0, abefSaved);
        state1 = _mm_add_epi32(state1, cdghSaved);
    }
    tmp = _mm_shuffle_epi32(state0, 0x1B);       // FEBA
    state1 = _mm_shuffle_epi32(state1, 0xB1);    // DCHG
    state0 = _mm_blend_epi16(tmp, state1, 0xF0); // DCBA
    state1 = _mm_alignr_epi8(state1, tmp, 8);    // ABEF
    _mm_storeu_si128(reinterpret_cast<__m128i *>(h), state0);
    _mm_storeu_si128(reinterpret_cast<__m128i *>(h + 4), state1);
}

bool &shaInstructionsAllowed() {
    static bool allowed = true;
    return allowed;
}

bool hasShaInstructions() {
    const ProcessorFeatures &cpu = processorFeatures();
    return cpu.ssse3 && cpu.sse41 && cpu.sha;
}

bool hasBmi2() {
    return processorFeatures().bmi2;
}
#endif

struct Sha256 {
    static constexpr bool BigEndianLength = true;
    std::array<u32, 8> h = {0x6A09E667, 0xBB67AE85, 0x3C6EF372, 0xA54FF53A,
                            0x510E527F, 0x9B05688C, 0x1F83D9AB, 0x5BE0CD19};

    void compress(const unsigned char *data, std::size_t blocks) {
#ifdef ZQ_SHA_EXTENSIONS
        if (shaInstructionsAllowed() && hasShaInstructions())
            return sha256Instructions(h.data(), data, blocks);
        if (hasBmi2())
            return sha256Bmi2(h.data(), data, blocks);
#endif
        sha256Portable(h.data(), data, blocks);
    }

    void appendDigest(QByteArray &out) const {
        for (u32 word : h)
            for (int i = 3; i >= 0; --i)
                out += char(word >> (8 * i));
    }
};

// Feeds bytes in 64-byte blocks and ends the message with the 0x80 marker and the bit length.
template <class Algorithm> class BlockHasher {
public:
    void update(const char *bytes, std::size_t size) {
        auto data = reinterpret_cast<const unsigned char *>(bytes);
        m_length += size;
        if (m_buffered > 0) {
            const std::size_t taken = std::min(size, 64 - m_buffered);
            std::memcpy(m_buffer + m_buffered, data, taken);
            m_buffered += taken;
            data += taken;
            size -= taken;
            if (m_buffered < 64)
                return;
            m_algorithm.compress(m_buffer, 1);
            m_buffered = 0;
        }
        m_algorithm.compress(data, size / 64);
        m_buffered = size % 64;
        std::memcpy(m_buffer, data + size - m_buffered, m_buffered);
    }

    QByteArray finish() {
        const std::uint64_t bits = m_length * 8;
        unsigned char tail[128] = {};
        std::memcpy(tail, m_buffer, m_buffered);
        tail[m_buffered] = 0x80;
        const std::size_t tailSize = m_buffered < 56 ? 64 : 128;
        for (int i = 0; i < 8; ++i) {
            const int shift = Algorithm::BigEndianLength ? 56 - 8 * i : 8 * i;
            tail[tailSize - 8 + i] = static_cast<unsigned char>(bits >> shift);
        }
        m_algorithm.compress(tail, tailSize / 64);
        QByteArray digest;
        m_algorithm.appendDigest(digest);
        return digest;
    }

private:
    Algorithm m_algorithm;
    unsigned char m_buffer[64] = {};
    std::size_t m_buffered = 0;
    std::uint64_t m_length = 0;
};

QString lowerHex(const QByteArray &digest) {
    return QString::fromLatin1(digest.toHex());
}

} // namespace

struct Digester::State {
    std::variant<BlockHasher<Md5>, BlockHasher<Sha256>> hasher;
};

Digester::Digester(DigestKind kind) : m_state(std::make_unique<State>()) {
    if (kind == DigestKind::SHA256)
        m_state->hasher.emplace<BlockHasher<Sha256>>();
}

Digester::~Digester() = default;

void Digester::add(const char *bytes, qsizetype size) {
    std::visit([&](auto &hasher) { hasher.update(bytes, std::size_t(size)); }, m_state->hasher);
}

QString Digester::finish() {
    return lowerHex(std::visit([](auto &hasher) { return hasher.finish(); }, m_state->hasher));
}

QString Digest(DigestKind kind, const QByteArray &bytes) {
    Digester digester(kind);
    digester.add(bytes.constData(), bytes.size());
    return digester.finish();
}

FileDigest DigestFile(DigestKind kind, const QString &fileName, const DigestProgress &progress) {
    QFile file(fileName);
    const auto cannotRead = [&] {
        return FileDigest{{},
                          QCoreApplication::translate("zq::Digests", "Cannot read \"%1\": %2.")
                              .arg(fileName, file.errorString())};
    };
    if (!file.open(QIODevice::ReadOnly))
        return cannotRead();
    Digester digester(kind);
    constexpr qint64 BlockSize = 1 << 20;
    QByteArray block(BlockSize, Qt::Uninitialized);
    const qint64 total = file.size();
    qint64 done = 0;
    for (;;) {
        const qint64 read = file.read(block.data(), BlockSize);
        if (read < 0)
            return cannotRead();
        if (read == 0)
            break;
        digester.add(block.constData(), read);
        done += read;
        if (progress && !progress(done, total))
            return {{}, {}, true};
    }
    return {digester.finish(), {}};
}

bool allowShaInstructions(bool allowed) {
#ifdef ZQ_SHA_EXTENSIONS
    return std::exchange(shaInstructionsAllowed(), allowed);
#else
    return allowed && false;
#endif
}

} // namespace zq
