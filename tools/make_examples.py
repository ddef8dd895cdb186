#!/usr/bin/env python3
"""Writes the example models in examples/ as data files.

Each model is laid out on the 120-twip grid with its connections routed, the blocks titled and
their units set. Run from the repository root: tools/make_examples.py
"""
import os
import struct

TERMINALS = {}  # code -> (inputs [(x, y)], outputs [(x, y)])


def _terms(codes, inputs, outputs):
    for c in codes:
        TERMINALS[c] = (inputs, outputs)


_terms([0], [], [(600, 300)])
_terms([1, 41, 44], [], [(0, 300), (600, 300)])
_terms([2, 36], [(0, 60), (0, 300), (0, 560)], [(600, 300)])
_terms([3, 37], [(600, 60), (600, 300), (600, 560)], [(0, 300)])
_terms([4, 16, 18, 34], [(0, 180), (0, 420)], [(600, 300)])
_terms([5, 17, 19, 35], [(600, 180), (600, 420)], [(0, 300)])
_terms([6, 8, 10, 12, 14, 20, 22, 24, 26, 28, 30, 32, 38, 52, 54, 56, 58], [(0, 300)], [(600, 300)])
_terms([7, 9, 11, 13, 15, 21, 23, 25, 27, 29, 31, 33, 39, 53, 55, 57, 59], [(600, 300)], [(0, 300)])
_terms([40], [], [(600, 300), (0, 300)])
_terms([42, 46, 50], [(0, 300)], [])
_terms([43, 45, 47, 51], [(600, 300)], [])
_terms([48], [], [(600, 300)])
_terms([49], [], [(0, 300)])
_terms([60], [], [(600, 180), (0, 180), (0, 0), (0, 0)])
_terms([61], [(0, 180)], [(600, 420)])
_terms([62], [(600, 180)], [(0, 420)])
_terms([63], [], [])


def snap(v):
    return v - int(v - 120 * int(v / 120)) if v >= 0 else v - (v - 120 * int(v / 120))


def float_text(value):
    """Shortest text that reads back to the same 32-bit float, exponent form when large/small."""
    f = struct.unpack('f', struct.pack('f', value))[0]
    if f == 0:
        return "0"
    for digits in range(1, 10):
        text = f"{f:.{digits}g}"
        if struct.unpack('f', struct.pack('f', float(text)))[0] == f:
            break
    mantissa, _, exponent = f"{float(text):.{digits - 1}e}".partition('e')
    exp = int(exponent)
    if -5 <= exp <= 14:
        out = repr(float(text))
        if out.endswith('.0'):
            out = out[:-2]
        if 'e' in out:
            out = f"{float(text):.{max(0, digits - 1 - exp)}f}"
        return out
    mantissa = mantissa.rstrip('0').rstrip('.')
    return f"{mantissa}E{'+' if exp >= 0 else '-'}{abs(exp):02d}"


class Block:
    def __init__(self, code, left, top, title, units="", ic=0.0, k=(0.0, 0.0, 0.0),
                 lo=-1e38, hi=1e38):
        self.code, self.left, self.top = code, left, top
        self.title, self.units, self.ic = title, units, ic
        self.k = list(k) + [0.0] * (3 - len(k))
        self.lo, self.hi = lo, hi
        self.inputs = [0, 0, 0]
        self.work = [0.0, 0.0, 0.0]


class Form:
    def __init__(self, number, title, top=1200, left=0, width=11400, height=7200):
        self.number, self.title = number, title
        self.blocks, self.connections, self.lines, self.terminals = [], [], [], []
        self.position = (top, left, width, height)

    def add(self, block):
        assert block.left % 120 == 0 and block.top % 120 == 0, block.title
        self.blocks.append(block)
        return len(self.blocks)

    def output_anchor(self, b, t):
        blk = self.blocks[b - 1]
        tx, ty = TERMINALS[blk.code][1][t - 1]
        return snap(blk.left + tx + 60), snap(blk.top + ty + 60)

    def input_anchor(self, b, k):
        blk = self.blocks[b - 1]
        tx, ty = TERMINALS[blk.code][0][k - 1]
        return snap(blk.left + tx + 30), snap(blk.top + ty + 60)

    def connect(self, src, out, dst, inp, via=()):
        """Direct three-line route, or straight lines through the given bend points."""
        x1, y1 = self.output_anchor(src, out)
        xe, ye = self.input_anchor(dst, inp)
        if via:
            points = [(x1, y1)] + list(via) + [(xe, ye)]
            lines = [(points[i][0], points[i][1], points[i + 1][0], points[i + 1][1])
                     for i in range(len(points) - 1)]
        else:
            dx = xe - x1
            xm = round(x1 + dx / 2)
            xe2 = round(xm + dx / 2)
            lines = [(x1, y1, xm, y1), (xm, y1, xm, ye), (xm, ye, xe2, ye)]
        assert not self.blocks[dst - 1].inputs[inp - 1], "input taken"
        self.blocks[dst - 1].inputs[inp - 1] = src
        self.connections.append((inp, dst, src, out, len(self.lines) + 1, len(lines)))
        self.lines.extend(lines)


class Model:
    def __init__(self, title, start=0.0, stop=10.0, step=0.1, units="sec", print_interval=1.0,
                 graph_interval=0.1, manual=False, fft=False, correlation=False, annotate=True):
        self.title, self.start, self.stop, self.step = title, start, stop, step
        self.units, self.print_interval, self.graph_interval = units, print_interval, graph_interval
        self.manual, self.fft, self.correlation, self.annotate = manual, fft, correlation, annotate
        self.forms = []

    def form(self, title, **kw):
        f = Form(len(self.forms) + 1, title, **kw)
        self.forms.append(f)
        return f

    def write(self, path):
        name = os.path.basename(path)
        out = []
        q = lambda s: out.append(f'"{s}"')
        n = lambda v: out.append(str(v))
        fl = lambda v: out.append(float_text(v))
        bo = lambda v: out.append("#TRUE#" if v else "#FALSE#")
        mark = lambda s, v: out.append(f'"{s}",{v}')
        q(name)
        q(self.title + " 06 Dec 26")
        fl(self.start); fl(self.stop); fl(self.step); q(self.units)
        fl(self.print_interval); fl(self.graph_interval)
        for v in (0, 6, 2, 0, 5, 1):
            n(v)
        for v in (self.annotate, False, True, True, self.fft, self.correlation, self.manual):
            bo(v)
        q(self.title); n(len(self.forms)); n(1)
        for f in self.forms:
            n(f.number); n(len(f.blocks)); n(f.number); q(f.title)
            mark("Block information for form:", f.number)
            for i, b in enumerate(f.blocks, 1):
                mark("BlockNo:", i)
                n(b.code); n(b.left); n(b.top)
                for k in range(3):
                    n(b.inputs[k]); fl(b.work[k]); fl(0.0); fl(b.k[k])
                fl(b.lo); fl(b.hi); fl(b.ic if b.code == 1 else 0.0); fl(b.ic)
                q(b.title); q(b.units); fl(0.0)
            mark("connection information for form:", f.number)
            n(len(f.connections) + 1)
            for c in f.connections:
                for v in c:
                    n(v)
            mark("Line information for form:", f.number)
            n(len(f.lines) + 1)
            for line in f.lines:
                for v in line:
                    n(v)
            q("Form Position")
            for v in f.position:
                fl(v)
        for v in (4000, 1500, 4500, 2000):
            fl(v)
        for f in self.forms:
            mark("Termination and Misc information for form:", f.number)
            n(len(f.terminals))
            for term_blk, op_blk in f.terminals:
                n(term_blk); n(op_blk)
            n(0); fl(1e38); fl(-1e38); n(0); fl(0.0)
            for _ in f.blocks:
                n(0)
        q("Variuous Status Indicators")
        n(0); bo(False); bo(True); n(0); n(0); n(0)
        for v in (True, True, self.fft, False, False):
            bo(v)
        bo(False); bo(False); bo(True); bo(True); bo(True)
        out.append("")  # stop-time extension factor never set
        n(1024); n(512); n(10); n(1); n(0)
        n(0); fl(0); fl(0); n(0); fl(0); fl(0)
        q("end of file")
        with open(path, "w", newline="") as fh:
            fh.write("\r\n".join(out) + "\r\n")


def first_order_lag():
    m = Model("First Order Lag", stop=10, print_interval=0.5, graph_interval=0.1)
    f = m.form("Step response of a first-order lag")
    demand = f.add(Block(1, 960, 1440, "Step Demand", "V", ic=1.0))
    lag = f.add(Block(10, 2880, 1440, "Lag Output", "V", k=(1.0,)))
    d1 = f.add(Block(42, 4800, 1440, "Display"))
    d0 = f.add(Block(42, 4800, 2640, "Display"))
    f.connect(demand, 2, lag, 1)
    f.connect(lag, 1, d1, 1)
    f.connect(demand, 2, d0, 1, via=[(1920, 1800), (1920, 3000)])
    return m


def integrator_of_sine():
    m = Model("Integrator of a Sine", stop=20, print_interval=1, graph_interval=0.1)
    f = m.form("Integral of a sine wave")
    sine = f.add(Block(26, 960, 1440, "Velocity", "m/s", k=(0.628, 1.0)))
    integ = f.add(Block(8, 2880, 1440, "Position", "m", k=(1.0,)))
    d1 = f.add(Block(42, 4800, 1440, "Display"))
    d2 = f.add(Block(42, 4800, 2640, "Display"))
    f.connect(sine, 1, integ, 1)
    f.connect(integ, 1, d1, 1)
    f.connect(sine, 1, d2, 1, via=[(1920, 1800), (1920, 3000)])
    return m


def mass_spring_damper():
    # m x'' + c x' + k x = F with m = 1 kg, c = 0.8 N s/m, k = 4 N/m: x / (F / k) = 1 / (A s² + B s + 1)
    m = Model("Mass Spring Damper", stop=20, print_interval=1, graph_interval=0.05)
    f = m.form("Mass-spring-damper step response")
    force = f.add(Block(1, 960, 1440, "Force / Stiffness", "m", ic=0.25))
    plant = f.add(Block(22, 2880, 1440, "Displacement", "m", k=(0.25, 0.2)))
    d1 = f.add(Block(42, 4800, 1440, "Display"))
    f.connect(force, 2, plant, 1)
    f.connect(plant, 1, d1, 1)
    return m


def pid_temperature_loop():
    m = Model("PID Temperature Loop", stop=600, print_interval=20, graph_interval=2, units="sec")
    f = m.form("Oven temperature control")
    demand = f.add(Block(1, 480, 2040, "Set Point", "degC", ic=80.0))
    pid = f.add(Block(36, 2160, 1680, "Heater Demand", "kW", k=(0.5, 60.0, 5.0), lo=0.0, hi=10.0))
    sat = f.add(Block(20, 3840, 1680, "Heater Power", "kW", lo=0.0, hi=5.0))
    gain = f.add(Block(6, 5520, 1680, "Heat Flow", "degC", k=(20.0,)))
    oven = f.add(Block(10, 7200, 1680, "Oven Temperature", "degC", k=(120.0,)))
    sensor = f.add(Block(11, 5520, 3480, "Measured Temperature", "degC", k=(5.0,)))
    d1 = f.add(Block(42, 9120, 1680, "Display"))
    d2 = f.add(Block(42, 5520, 600, "Display"))
    d3 = f.add(Block(42, 3840, 600, "Display"))
    f.connect(demand, 2, pid, 2)
    f.connect(pid, 1, sat, 1)
    f.connect(sat, 1, gain, 1)
    f.connect(gain, 1, oven, 1)
    f.connect(oven, 1, d1, 1)
    f.connect(oven, 1, sensor, 1, via=[(8520, 2040), (8520, 3840)])
    f.connect(sensor, 1, pid, 1, via=[(1800, 3840), (1800, 1800)])
    f.connect(sat, 1, d2, 1, via=[(4920, 2040), (4920, 960)])
    f.connect(pid, 1, d3, 1, via=[(3240, 2040), (3240, 960)])
    return m


def square_wave_fft():
    m = Model("Square Wave Spectrum", stop=20, print_interval=1, graph_interval=0.1, fft=True)
    f = m.form("Square wave through a lag")
    sine = f.add(Block(26, 480, 1440, "Carrier", "", k=(3.14159, 1.0)))
    zero = f.add(Block(1, 480, 2640, "Threshold", "", ic=0.0))
    switch = f.add(Block(34, 2160, 1440, "Square Wave", "V", ic=-1.0, k=(1.0,)))
    lag = f.add(Block(10, 3840, 1440, "Filtered", "V", k=(0.2,)))
    d1 = f.add(Block(42, 5520, 1440, "Display"))
    d2 = f.add(Block(42, 5520, 2640, "Display"))
    f.connect(sine, 1, switch, 1)
    f.connect(zero, 2, switch, 2)
    f.connect(switch, 1, lag, 1)
    f.connect(lag, 1, d1, 1)
    f.connect(switch, 1, d2, 1, via=[(3240, 1800), (3240, 3000)])
    return m


def prbs_identification():
    m = Model("PRBS Identification", stop=100, print_interval=1, graph_interval=0.1,
              correlation=True)
    f = m.form("Identifying a second-order plant")
    prbs = f.add(Block(41, 960, 1440, "Test Signal", "V", k=(7.0, 100.0, 1.0)))
    plant = f.add(Block(22, 3840, 1440, "Plant Output", "V", k=(1.0, 1.0)))
    corr = f.add(Block(46, 6240, 2640, "Correlator"))
    d1 = f.add(Block(42, 6240, 1440, "Display"))
    d2 = f.add(Block(42, 6240, 360, "Display"))
    f.connect(prbs, 2, plant, 1)
    f.connect(plant, 1, d1, 1)
    f.connect(plant, 1, corr, 1, via=[(5280, 1800), (5280, 3000)])
    f.connect(prbs, 2, d2, 1, via=[(2400, 1800), (2400, 720)])
    return m


def chirp_into_lag():
    m = Model("Chirp Response", stop=50, print_interval=1, graph_interval=0.05)
    f = m.form("Chirp through a lag")
    chirp = f.add(Block(60, 960, 1440, "Chirp", "V", ic=1.0, k=(0.1, 5.0, 50.0)))
    lag = f.add(Block(10, 2880, 1440, "Lag Output", "V", k=(0.5,)))
    eff = f.add(Block(61, 2880, 2760, "Frequency", "Hz"))
    d1 = f.add(Block(42, 4800, 1440, "Display"))
    d2 = f.add(Block(42, 4800, 2880, "Display"))
    d3 = f.add(Block(42, 4800, 360, "Display"))
    f.connect(chirp, 1, lag, 1)
    f.connect(lag, 1, d1, 1)
    f.connect(chirp, 1, eff, 1, via=[(2160, 1680), (2160, 3000)])
    f.connect(eff, 1, d2, 1)
    f.connect(chirp, 1, d3, 1, via=[(2280, 1680), (2280, 720)])
    return m


def nonlinear_elements():
    m = Model("Quantisation Hysteresis Friction", stop=20, print_interval=1, graph_interval=0.05)
    f = m.form("Nonlinear elements side by side")
    sine = f.add(Block(26, 480, 2640, "Input", "V", k=(0.628, 2.0)))
    dac = f.add(Block(52, 2880, 480, "DAC 3 bit", "V", k=(3.0, -2.0, 2.0)))
    adc = f.add(Block(54, 2880, 1680, "ADC 4 bit", "V", k=(4.0, -2.0, 2.0)))
    hyst = f.add(Block(56, 2880, 2880, "Hysteresis", "V", k=(2.0, 40.0)))
    stick = f.add(Block(58, 2880, 4080, "Stick Slip", "V", k=(0.5, 0.3)))
    ds = [f.add(Block(42, 4800, top, "Display")) for top in (480, 1680, 2880, 4080, 5280)]
    for blk in (dac, adc, hyst, stick):
        f.connect(sine, 1, blk, 1, via=[(1800, 3000), (1800, f.input_anchor(blk, 1)[1])])
    for blk, d in zip((dac, adc, hyst, stick), ds):
        f.connect(blk, 1, d, 1)
    f.connect(sine, 1, ds[4], 1, via=[(1560, 3000), (1560, 5640)])
    return m


def transport_delay():
    m = Model("Transport Delay", stop=20, print_interval=1, graph_interval=0.1)
    f = m.form("A pure time delay")
    sine = f.add(Block(26, 960, 1440, "Inlet Temperature", "degC", k=(0.5, 10.0)))
    delay = f.add(Block(38, 2880, 1440, "Outlet Temperature", "degC", k=(2.0,)))
    d1 = f.add(Block(42, 4800, 1440, "Display"))
    d2 = f.add(Block(42, 4800, 2640, "Display"))
    f.connect(sine, 1, delay, 1)
    f.connect(delay, 1, d1, 1)
    f.connect(sine, 1, d2, 1, via=[(1920, 1800), (1920, 3000)])
    return m


def two_sheets():
    m = Model("Two Sheet Model", stop=10, print_interval=0.5, graph_interval=0.1)
    f1 = m.form("Controller sheet", top=1200, left=0)
    f2 = m.form("Plant sheet", top=1560, left=600)
    demand = f1.add(Block(1, 960, 1440, "Demand", "V", ic=1.0))
    gain = f1.add(Block(6, 2880, 1440, "Drive", "V", k=(2.0,)))
    out = f1.add(Block(50, 4800, 1440, "To plant"))
    d1 = f1.add(Block(42, 4800, 2640, "Display"))
    f1.connect(demand, 2, gain, 1)
    f1.connect(gain, 1, out, 1)
    f1.connect(gain, 1, d1, 1, via=[(3840, 1800), (3840, 3000)])
    f1.terminals.append((out, out))
    inp = f2.add(Block(48, 960, 1440, "From controller", k=(1.0, 1.0, float(out))))
    lag = f2.add(Block(10, 2880, 1440, "Plant Output", "V", k=(2.0,)))
    d2 = f2.add(Block(42, 4800, 1440, "Display"))
    f2.connect(inp, 1, lag, 1)
    f2.connect(lag, 1, d2, 1)
    f2.terminals.append((inp, 0))
    return m


EXAMPLES = {
    "First Order Lag.vqe": first_order_lag,
    "Integrator of a Sine.vqe": integrator_of_sine,
    "Mass Spring Damper.vqe": mass_spring_damper,
    "PID Temperature Loop.vqe": pid_temperature_loop,
    "Square Wave Spectrum.vqe": square_wave_fft,
    "PRBS Identification.vqe": prbs_identification,
    "Chirp Response.vqe": chirp_into_lag,
    "Quantisation Hysteresis Friction.vqe": nonlinear_elements,
    "Transport Delay.vqe": transport_delay,
    "Two Sheet Model.vqe": two_sheets,
}

if __name__ == "__main__":
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples")
    for name, make in EXAMPLES.items():
        make().write(os.path.join(here, name))
        print("wrote", name)
