import java.applet.Applet;
import java.awt.Color;
import java.awt.FontMetrics;
import java.awt.Graphics;
import java.awt.Image;
import java.awt.event.MouseEvent;
import java.awt.event.MouseListener;
import java.awt.event.MouseMotionListener;
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.net.MalformedURLException;
import java.net.URL;
import java.nio.charset.StandardCharsets;

/**
 * Shows the OFF model named by the parameter "model" (default "model.off",
 * relative to the page) as coloured outlines in a parallel projection.
 * The parameter is the file's name, or for a name whose bytes are not UTF-8,
 * "./" and the bytes percent-encoded (see modelUrl). Dragging turns the model.
 */
public class Viewer41 extends Applet implements MouseListener, MouseMotionListener {
    private static final long serialVersionUID = 1L;

    /** Part of the shorter side of the area that the model's bounding sphere spans. */
    private static final double FILL = 0.9;
    /** How far the model turns per pixel dragged. */
    private static final double DEGREES_PER_PIXEL = 0.5;
    private static final Color BACKGROUND = Color.BLACK;
    /** The hex digits in both cases, each digit's value being its index halved. */
    private static final String HEX = "00112233445566778899AaBbCcDdEeFf";
    /** Shown until init has read the model. */
    public static final String LOADING = "Modell wird geladen ...";

    // An applet is serializable as an AWT component, but this one is never
    // serialized, so its state is all transient. The browser may paint while
    // init still reads the model, so what init sets is volatile.
    private transient volatile OOGL_OFF model;
    private transient volatile String problem; // shown instead of the model when loading failed
    private final transient Matrix3D rotation = new Matrix3D();
    private transient int lastX;
    private transient int lastY;
    private transient Image buffer;

    @Override
    public void init() {
        String name = getParameter("model");
        if (name == null) {
            name = "model.off";
        }
        problem = load(name);
        addMouseListener(this);
        addMouseMotionListener(this);
        repaint();
    }

    /** Reads the model from the file name relative to the page; gives null, or why it could not be read. */
    private String load(String name) {
        InputStream in;
        try {
            in = modelUrl(getDocumentBase(), name).openStream();
        } catch (IOException | RuntimeException e) {
            return "Modell " + name + " nicht gefunden";
        }
        try (InputStream open = in) {
            model = new OOGL_OFF(open);
            return null;
        } catch (IOException e) {
            return "Modell nicht lesbar: " + e.getMessage();
        } catch (RuntimeException e) {
            return "Modell nicht lesbar";
        }
    }

    /**
     * The address of the model file in the folder of the page at base. The parameter value is
     * either a file name, meaning its UTF-8 bytes, or, for a name whose bytes are not UTF-8, "./"
     * followed by the bytes, each but a letter, digit and "-._~" as "%" and two hex digits. No
     * file name holds a "/", so the two forms cannot be confused. In the address every byte but
     * letters, digits and "-._~" is percent-encoded, so "#", "?", "%", ":", "/" and blanks stay
     * part of the name and the address stays in the page's folder.
     */
    static URL modelUrl(URL base, String value) throws MalformedURLException {
        byte[] bytes = value.startsWith("./") ? percentDecoded(value.substring(2))
                : value.getBytes(StandardCharsets.UTF_8);
        StringBuilder path = new StringBuilder();
        for (byte b : bytes) {
            char c = (char) (b & 0xFF);
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || "-._~".indexOf(c) >= 0) {
                path.append(c);
            } else {
                path.append(String.format("%%%02X", b & 0xFF));
            }
        }
        return new URL(base, path.toString());
    }

    /** The bytes that "%" and two hex digits stand for; every other character as its UTF-8. */
    private static byte[] percentDecoded(String text) {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        for (int i = 0; i < text.length();) {
            int high = i + 2 < text.length() && text.charAt(i) == '%' ? hex(text.charAt(i + 1)) : -1;
            int low = high >= 0 ? hex(text.charAt(i + 2)) : -1;
            if (low >= 0) {
                bytes.write(high * 16 + low);
                i += 3;
            } else {
                int end = text.offsetByCodePoints(i, 1);
                byte[] own = text.substring(i, end).getBytes(StandardCharsets.UTF_8);
                bytes.write(own, 0, own.length);
                i = end;
            }
        }
        return bytes.toByteArray();
    }

    /** The value of a hex digit, or -1 for any other character. */
    private static int hex(char c) {
        int index = HEX.indexOf(c);
        return index < 0 ? -1 : index / 2;
    }

    /** Paints without clearing first; paint covers the whole area anyway. */
    @Override
    public void update(Graphics g) {
        paint(g);
    }

    /** Draws into an off-screen image and copies that to the screen, so turning does not flicker. */
    @Override
    public void paint(Graphics g) {
        int width = getWidth(), height = getHeight();
        if (width <= 0 || height <= 0) {
            return;
        }
        if (buffer == null || buffer.getWidth(null) != width || buffer.getHeight(null) != height) {
            buffer = createImage(width, height);
        }
        Graphics bg = buffer.getGraphics();
        drawContent(bg, width, height, model, rotation, problem);
        bg.dispose();
        g.drawImage(buffer, 0, 0, this);
    }

    /**
     * Draws the model, else the problem that kept it from loading, else the line
     * that says it is still loading.
     */
    public static void drawContent(Graphics g, int width, int height, OOGL_OFF model, Matrix3D rotation,
            String problem) {
        if (model != null) {
            drawModel(g, width, height, model, rotation);
        } else {
            drawMessage(g, width, height, problem != null ? problem : LOADING);
        }
    }

    /**
     * Clears the area and draws each face whose indices fit as a line (up to two
     * vertices) or a closed outline. The model is centred and scaled so that the
     * sphere around its bounding box fits, which keeps it inside whatever the
     * rotation. Screen y grows downwards, so model y is flipped to point up.
     */
    public static void drawModel(Graphics g, int width, int height, OOGL_OFF model, Matrix3D rotation) {
        g.setColor(BACKGROUND);
        g.fillRect(0, 0, width, height);

        double[] min = model.getMin(), max = model.getMax();
        double radius = Math.sqrt(square(max[0] - min[0]) + square(max[1] - min[1]) + square(max[2] - min[2])) / 2;
        double scale = radius > 0 ? FILL * Math.min(width, height) / (2 * radius) : 1;
        Matrix3D view = new Matrix3D();
        view.translate(-(min[0] + max[0]) / 2, -(min[1] + max[1]) / 2, -(min[2] + max[2]) / 2);
        view.mult(rotation);
        view.scale(scale, -scale, scale);
        view.translate(width / 2.0, height / 2.0, 0);

        int vertexCount = model.getVertexCount();
        int[] screen = new int[2 * vertexCount];
        view.transform(model.getVertices(), screen, vertexCount);
        for (Face face : model.getFaces()) {
            if (!face.fitsInto(vertexCount)) {
                continue;
            }
            int[] indices = face.getIndices();
            int n = indices.length;
            int[] xs = new int[n], ys = new int[n];
            for (int i = 0; i < n; i++) {
                xs[i] = screen[2 * indices[i]];
                ys[i] = screen[2 * indices[i] + 1];
            }
            g.setColor(face.getColor());
            if (n <= 2) {
                g.drawLine(xs[0], ys[0], xs[n - 1], ys[n - 1]);
            } else {
                g.drawPolygon(xs, ys, n);
            }
        }
    }

    /** Clears the area and shows one line of text in its middle. */
    public static void drawMessage(Graphics g, int width, int height, String text) {
        g.setColor(BACKGROUND);
        g.fillRect(0, 0, width, height);
        g.setColor(Color.WHITE);
        FontMetrics metrics = g.getFontMetrics();
        int x = Math.max(5, (width - metrics.stringWidth(text)) / 2);
        g.drawString(text, x, (height + metrics.getAscent()) / 2);
    }

    /** Turns a horizontal drag about the vertical axis and a vertical drag about the horizontal axis. */
    public static void turn(Matrix3D rotation, int dx, int dy) {
        rotation.yrot(dx * DEGREES_PER_PIXEL);
        rotation.xrot(dy * DEGREES_PER_PIXEL);
    }

    private static double square(double value) {
        return value * value;
    }

    @Override
    public void mousePressed(MouseEvent e) {
        lastX = e.getX();
        lastY = e.getY();
    }

    @Override
    public void mouseDragged(MouseEvent e) {
        turn(rotation, e.getX() - lastX, e.getY() - lastY);
        lastX = e.getX();
        lastY = e.getY();
        repaint();
    }

    @Override
    public void mouseReleased(MouseEvent e) {
    }

    @Override
    public void mouseClicked(MouseEvent e) {
    }

    @Override
    public void mouseEntered(MouseEvent e) {
    }

    @Override
    public void mouseExited(MouseEvent e) {
    }

    @Override
    public void mouseMoved(MouseEvent e) {
    }
}
